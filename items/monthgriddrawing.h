/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef MONTHGRIDDRAWING_H
#define MONTHGRIDDRAWING_H

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QQuickItem>

class MonthModel;

/**
 * What the month grid draws: the weekday header, the week numbers beside the rows, the
 * day numbers, today's fill and the selected day's frame.
 *
 * Every text and mark is cut once from one image, whatever its colour, so that the
 * scene graph draws them all in one call: with OpenGL as one node of tinted quads, with
 * the software renderer as copies of the image's parts. The cells of the grid stay
 * items of their own for input, focus and screen readers; this draws what they show.
 */
class MonthGridDrawing : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(MonthModel *model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QFont font MEMBER m_font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(QStringList dayNames MEMBER m_dayNames WRITE setDayNames NOTIFY dayNamesChanged)
    // The cells as the grid, the header row and the strip lay them out, in this item's
    // coordinates.
    Q_PROPERTY(int cellWidth MEMBER m_cellWidth WRITE setCellWidth NOTIFY placesChanged)
    Q_PROPERTY(int cellHeight MEMBER m_cellHeight WRITE setCellHeight NOTIFY placesChanged)
    Q_PROPERTY(qreal columnSpacing MEMBER m_columnSpacing WRITE setColumnSpacing NOTIFY placesChanged)
    Q_PROPERTY(int rowSpacing MEMBER m_rowSpacing WRITE setRowSpacing NOTIFY placesChanged)
    Q_PROPERTY(QPointF gridOrigin MEMBER m_gridOrigin WRITE setGridOrigin NOTIFY placesChanged)
    Q_PROPERTY(QPointF headerOrigin MEMBER m_headerOrigin WRITE setHeaderOrigin NOTIFY placesChanged)
    Q_PROPERTY(qreal stripX MEMBER m_stripX WRITE setStripX NOTIFY placesChanged)
    Q_PROPERTY(bool mirrored MEMBER m_mirrored WRITE setMirrored NOTIFY placesChanged)
    // The cell holding the keyboard, -1 for none: it is framed more boldly.
    Q_PROPERTY(int focusedIndex MEMBER m_focusedIndex WRITE setFocusedIndex NOTIFY lookChanged)
    Q_PROPERTY(QColor textColor MEMBER m_textColor WRITE setTextColor NOTIFY lookChanged)
    Q_PROPERTY(QColor dimColor MEMBER m_dimColor WRITE setDimColor NOTIFY lookChanged)
    Q_PROPERTY(QColor weekendColor MEMBER m_weekendColor WRITE setWeekendColor NOTIFY lookChanged)
    Q_PROPERTY(QColor highlightColor MEMBER m_highlightColor WRITE setHighlightColor NOTIFY lookChanged)
    Q_PROPERTY(QColor highlightedTextColor MEMBER m_highlightedTextColor WRITE setHighlightedTextColor NOTIFY lookChanged)
    Q_PROPERTY(QColor todayTextColor MEMBER m_todayTextColor WRITE setTodayTextColor NOTIFY lookChanged)

public:
    /// A part of the image drawn at a place in one colour.
    struct Sprite {
        QRectF target;
        QRect source;
        QColor color;
    };

    explicit MonthGridDrawing(QQuickItem *parent = nullptr);

    MonthModel *model() const;
    void setModel(MonthModel *model);
    void setFont(const QFont &font);
    void setDayNames(const QStringList &names);
    void setCellWidth(int width);
    void setCellHeight(int height);
    void setColumnSpacing(qreal spacing);
    void setRowSpacing(int spacing);
    void setGridOrigin(QPointF origin);
    void setHeaderOrigin(QPointF origin);
    void setStripX(qreal x);
    void setMirrored(bool mirrored);
    void setFocusedIndex(int index);
    void setTextColor(const QColor &color);
    void setDimColor(const QColor &color);
    void setWeekendColor(const QColor &color);
    void setHighlightColor(const QColor &color);
    void setHighlightedTextColor(const QColor &color);
    void setTodayTextColor(const QColor &color);

    /// The texts drawn, cell by cell: header, then each row's week and days.
    Q_INVOKABLE QStringList texts() const;
    /// The colour the text of day cell @p index is drawn in.
    Q_INVOKABLE QColor dayColor(int index) const;

Q_SIGNALS:
    void modelChanged();
    void fontChanged();
    void dayNamesChanged();
    void placesChanged();
    void lookChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    struct Piece {
        QRect source;
        // The text's own size, as a text item of that font would take it.
        QSizeF size;
    };

    void makeImage(qreal devicePixelRatio);
    QVector<Sprite> sprites(qreal devicePixelRatio) const;
    QPointF cellPosition(int row, int column) const;
    void addText(QVector<Sprite> &list, const QString &text, QPointF cell, const QColor &color, qreal devicePixelRatio) const;
    void invalidateImage();

    QPointer<MonthModel> m_model;
    QFont m_font;
    QStringList m_dayNames;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    qreal m_columnSpacing = 0;
    int m_rowSpacing = 0;
    QPointF m_gridOrigin;
    QPointF m_headerOrigin;
    qreal m_stripX = 0;
    bool m_mirrored = false;
    int m_focusedIndex = -1;
    QColor m_textColor;
    QColor m_dimColor;
    QColor m_weekendColor;
    QColor m_highlightColor;
    QColor m_highlightedTextColor;
    QColor m_todayTextColor;

    QImage m_image;
    qreal m_imageRatio = 0;
    bool m_imageChanged = false;
    QHash<QString, Piece> m_pieces;
};

#endif
