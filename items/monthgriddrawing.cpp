/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "monthgriddrawing.h"

#include "monthmodel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QQuickWindow>
#include <QSGGeometryNode>
#include <QSGMaterial>
#include <QSGMaterialShader>
#include <QSGRenderNode>
#include <QSGRendererInterface>
#include <QSGTexture>

#include <cmath>
#include <memory>

namespace
{
constexpr int columns = 7;
constexpr int rows = 6;
constexpr int cornerRadius = 3;
// Device pixels left clear around each piece of the image, so that no piece's edge
// samples its neighbour.
constexpr int padding = 2;
// Keys of the marks among the texts' pieces: no text holds these characters.
const QString fillKey = QStringLiteral("\x01");
const QString frameKey = QStringLiteral("\x02");
const QString boldFrameKey = QStringLiteral("\x03");
// The keyboard inside today's fill: a ring set in from the fill's edge, so the fill's
// colour shows on both sides of it whatever the page's background.
const QString innerFrameKey = QStringLiteral("\x04");
constexpr qreal innerFrameInset = 3;

// Where anchors.centerIn puts the centre of a length: on a whole pixel for odd whole lengths.
qreal alignedCentre(qreal length)
{
    return int(length) % 2 ? (length + 1) / 2 : length / 2;
}

// One vertex of a tinted quad: place, place in the image, premultiplied colour.
struct TintedVertex {
    float x;
    float y;
    float u;
    float v;
    unsigned char r;
    unsigned char g;
    unsigned char b;
    unsigned char a;
};

const QSGGeometry::AttributeSet &tintedAttributes()
{
    static const QSGGeometry::Attribute attributes[] = {
        QSGGeometry::Attribute::createWithAttributeType(0, 2, QSGGeometry::FloatType, QSGGeometry::PositionAttribute),
        QSGGeometry::Attribute::createWithAttributeType(1, 2, QSGGeometry::FloatType, QSGGeometry::TexCoordAttribute),
        QSGGeometry::Attribute::createWithAttributeType(2, 4, QSGGeometry::UnsignedByteType, QSGGeometry::ColorAttribute),
    };
    static const QSGGeometry::AttributeSet set = {3, sizeof(TintedVertex), attributes};
    return set;
}

class TintedShader : public QSGMaterialShader
{
public:
    const char *vertexShader() const override
    {
        return "attribute highp vec4 vertex;\n"
               "attribute highp vec2 texCoord;\n"
               "attribute lowp vec4 color;\n"
               "uniform highp mat4 matrix;\n"
               "varying highp vec2 sampleCoord;\n"
               "varying lowp vec4 tint;\n"
               "void main() {\n"
               "    sampleCoord = texCoord;\n"
               "    tint = color;\n"
               "    gl_Position = matrix * vertex;\n"
               "}\n";
    }

    const char *fragmentShader() const override
    {
        return "uniform sampler2D image;\n"
               "uniform lowp float opacity;\n"
               "varying highp vec2 sampleCoord;\n"
               "varying lowp vec4 tint;\n"
               "void main() {\n"
               "    gl_FragColor = tint * (texture2D(image, sampleCoord).a * opacity);\n"
               "}\n";
    }

    const char *const *attributeNames() const override
    {
        static const char *const names[] = {"vertex", "texCoord", "color", nullptr};
        return names;
    }

    void updateState(const RenderState &state, QSGMaterial *newMaterial, QSGMaterial *oldMaterial) override;

private:
    void initialize() override
    {
        m_matrix = program()->uniformLocation("matrix");
        m_opacity = program()->uniformLocation("opacity");
    }

    int m_matrix = -1;
    int m_opacity = -1;
};

// The colour travels with each vertex, so that quads of every colour share one material.
class TintedMaterial : public QSGMaterial
{
public:
    TintedMaterial()
    {
        setFlag(Blending);
    }

    QSGMaterialType *type() const override
    {
        static QSGMaterialType type;
        return &type;
    }

    QSGMaterialShader *createShader() const override
    {
        return new TintedShader;
    }

    int compare(const QSGMaterial *other) const override
    {
        const QSGTexture *otherTexture = static_cast<const TintedMaterial *>(other)->texture.get();
        return texture.get() == otherTexture ? 0 : texture.get() < otherTexture ? -1 : 1;
    }

    std::unique_ptr<QSGTexture> texture;
};

void TintedShader::updateState(const RenderState &state, QSGMaterial *newMaterial, QSGMaterial *oldMaterial)
{
    if (state.isMatrixDirty()) {
        program()->setUniformValue(m_matrix, state.combinedMatrix());
    }
    if (state.isOpacityDirty()) {
        program()->setUniformValue(m_opacity, state.opacity());
    }
    QSGTexture *texture = static_cast<TintedMaterial *>(newMaterial)->texture.get();
    if (texture && (!oldMaterial || static_cast<TintedMaterial *>(oldMaterial)->texture.get() != texture || texture->isAtlasTexture())) {
        texture->bind();
    } else if (texture) {
        texture->updateBindOptions();
    }
}

class TintedNode : public QSGGeometryNode
{
public:
    TintedNode()
        : m_geometry(tintedAttributes(), 0, 0, QSGGeometry::UnsignedShortType)
    {
        m_geometry.setDrawingMode(QSGGeometry::DrawTriangles);
        setGeometry(&m_geometry);
        setMaterial(&m_material);
    }

    void setImage(QQuickWindow *window, const QImage &image)
    {
        m_material.texture.reset(window->createTextureFromImage(image, QQuickWindow::TextureHasAlphaChannel));
        markDirty(DirtyMaterial);
    }

    void setSprites(const QVector<MonthGridDrawing::Sprite> &sprites, QSize imageSize)
    {
        m_geometry.allocate(sprites.size() * 4, sprites.size() * 6);
        auto *vertices = static_cast<TintedVertex *>(m_geometry.vertexData());
        quint16 *indices = m_geometry.indexDataAsUShort();
        const QRectF within = m_material.texture ? m_material.texture->normalizedTextureSubRect() : QRectF(0, 0, 1, 1);
        const qreal toU = within.width() / imageSize.width();
        const qreal toV = within.height() / imageSize.height();
        for (int i = 0; i < sprites.size(); ++i) {
            const MonthGridDrawing::Sprite &sprite = sprites[i];
            const QColor color = sprite.color.toRgb();
            const unsigned char alpha = color.alpha();
            const auto premultiplied = [alpha](int channel) {
                return static_cast<unsigned char>(channel * alpha / 255);
            };
            const float left = within.x() + sprite.source.x() * toU;
            const float top = within.y() + sprite.source.y() * toV;
            const float right = within.x() + (sprite.source.x() + sprite.source.width()) * toU;
            const float bottom = within.y() + (sprite.source.y() + sprite.source.height()) * toV;
            const QRectF &t = sprite.target;
            const unsigned char r = premultiplied(color.red());
            const unsigned char g = premultiplied(color.green());
            const unsigned char b = premultiplied(color.blue());
            vertices[i * 4 + 0] = {float(t.left()), float(t.top()), left, top, r, g, b, alpha};
            vertices[i * 4 + 1] = {float(t.right()), float(t.top()), right, top, r, g, b, alpha};
            vertices[i * 4 + 2] = {float(t.left()), float(t.bottom()), left, bottom, r, g, b, alpha};
            vertices[i * 4 + 3] = {float(t.right()), float(t.bottom()), right, bottom, r, g, b, alpha};
            const quint16 first = quint16(i * 4);
            const quint16 quad[] = {first, quint16(first + 1), quint16(first + 2), quint16(first + 1), quint16(first + 3), quint16(first + 2)};
            std::copy(std::begin(quad), std::end(quad), indices + i * 6);
        }
        markDirty(DirtyGeometry);
    }

private:
    QSGGeometry m_geometry;
    TintedMaterial m_material;
};

// The software renderer draws no custom material: it paints the parts of the image,
// tinted once per colour.
class PaintedNode : public QSGRenderNode
{
public:
    explicit PaintedNode(QQuickWindow *window)
        : m_window(window)
    {
    }

    void setImage(const QImage &image)
    {
        m_image = image;
        m_tinted.clear();
    }

    void setSprites(const QVector<MonthGridDrawing::Sprite> &sprites, const QRectF &bounds)
    {
        m_sprites = sprites;
        m_bounds = bounds;
        markDirty(DirtyMaterial);
    }

    void render(const RenderState *state) override
    {
        Q_UNUSED(state)
        auto *painter = static_cast<QPainter *>(m_window->rendererInterface()->getResource(m_window, QSGRendererInterface::PainterResource));
        if (!painter) {
            return;
        }
        painter->setTransform(matrix()->toTransform());
        painter->setOpacity(inheritedOpacity());
        for (const MonthGridDrawing::Sprite &sprite : std::as_const(m_sprites)) {
            const Tint &tint = tinted(sprite.color, sprite.source);
            painter->drawImage(sprite.target, tint.image, sprite.source.translated(0, -tint.top));
        }
    }

    StateFlags changedStates() const override
    {
        return {};
    }

    RenderingFlags flags() const override
    {
        return BoundedRectRendering;
    }

    QRectF rect() const override
    {
        return m_bounds;
    }

private:
    // The rows of the image a colour has been asked for, tinted: the texts' colours never
    // need the marks' rows, nor the marks' colours the texts'.
    struct Tint {
        int top = 0;
        QImage image;
    };

    const Tint &tinted(const QColor &color, const QRect &source)
    {
        Tint &tint = m_tinted[color.rgba()];
        const bool fresh = tint.image.isNull();
        const int bottom = tint.top + tint.image.height();
        if (fresh || source.top() < tint.top || source.bottom() >= bottom) {
            const int top = fresh ? source.top() : std::min(tint.top, source.top());
            const int end = fresh ? source.bottom() + 1 : std::max(bottom, source.bottom() + 1);
            tint.top = top;
            tint.image = m_image.copy(0, top, m_image.width(), end - top);
            QPainter painter(&tint.image);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(tint.image.rect(), color);
        }
        return tint;
    }

    QQuickWindow *m_window;
    QImage m_image;
    QHash<QRgb, Tint> m_tinted;
    QVector<MonthGridDrawing::Sprite> m_sprites;
    QRectF m_bounds;
};

template<typename T>
bool assign(T &member, const T &value)
{
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

bool isSoftware(QQuickWindow *window)
{
    return window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software;
}
}

MonthGridDrawing::MonthGridDrawing(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    for (auto changed : {&MonthGridDrawing::placesChanged, &MonthGridDrawing::lookChanged}) {
        connect(this, changed, this, &QQuickItem::update);
    }
    for (auto changed : {&MonthGridDrawing::fontChanged, &MonthGridDrawing::dayNamesChanged}) {
        connect(this, changed, this, &MonthGridDrawing::invalidateImage);
    }
}

MonthModel *MonthGridDrawing::model() const
{
    return m_model;
}

void MonthGridDrawing::setModel(MonthModel *model)
{
    if (m_model == model) {
        return;
    }
    if (m_model) {
        disconnect(m_model, nullptr, this, nullptr);
    }
    m_model = model;
    if (m_model) {
        connect(m_model, &QAbstractItemModel::dataChanged, this, &QQuickItem::update);
        connect(m_model, &MonthModel::monthChanged, this, &QQuickItem::update);
    }
    Q_EMIT modelChanged();
    update();
}

void MonthGridDrawing::setFont(const QFont &font)
{
    if (assign(m_font, font)) {
        Q_EMIT fontChanged();
    }
}

void MonthGridDrawing::setDayNames(const QStringList &names)
{
    if (assign(m_dayNames, names)) {
        Q_EMIT dayNamesChanged();
    }
}

void MonthGridDrawing::setCellWidth(int width)
{
    if (assign(m_cellWidth, width)) {
        invalidateImage();
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setCellHeight(int height)
{
    if (assign(m_cellHeight, height)) {
        invalidateImage();
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setColumnSpacing(qreal spacing)
{
    if (assign(m_columnSpacing, spacing)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setRowSpacing(int spacing)
{
    if (assign(m_rowSpacing, spacing)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setGridOrigin(QPointF origin)
{
    if (assign(m_gridOrigin, origin)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setHeaderOrigin(QPointF origin)
{
    if (assign(m_headerOrigin, origin)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setStripX(qreal x)
{
    if (assign(m_stripX, x)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setMirrored(bool mirrored)
{
    if (assign(m_mirrored, mirrored)) {
        Q_EMIT placesChanged();
    }
}

void MonthGridDrawing::setFocusedIndex(int index)
{
    if (assign(m_focusedIndex, index)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setTextColor(const QColor &color)
{
    if (assign(m_textColor, color)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setDimColor(const QColor &color)
{
    if (assign(m_dimColor, color)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setWeekendColor(const QColor &color)
{
    if (assign(m_weekendColor, color)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setHighlightColor(const QColor &color)
{
    if (assign(m_highlightColor, color)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setHighlightedTextColor(const QColor &color)
{
    if (assign(m_highlightedTextColor, color)) {
        Q_EMIT lookChanged();
    }
}

void MonthGridDrawing::setTodayTextColor(const QColor &color)
{
    if (assign(m_todayTextColor, color)) {
        Q_EMIT lookChanged();
    }
}

QStringList MonthGridDrawing::texts() const
{
    QStringList list = m_dayNames;
    if (!m_model) {
        return list;
    }
    const QVector<int> weeks = m_model->weekNumbers();
    for (int row = 0; row < rows; ++row) {
        list.append(QString::number(weeks.value(row)));
        for (int column = 0; column < columns; ++column) {
            list.append(m_model->index(row * columns + column).data(MonthModel::DayRole).toString());
        }
    }
    return list;
}

QColor MonthGridDrawing::dayColor(int index) const
{
    if (!m_model) {
        return {};
    }
    const QModelIndex cell = m_model->index(index);
    if (!cell.data(MonthModel::IsCurrentMonthRole).toBool()) {
        return m_dimColor;
    }
    if (cell.data(MonthModel::IsWeekendRole).toBool()) {
        return m_weekendColor;
    }
    return cell.data(MonthModel::IsTodayRole).toBool() ? m_todayTextColor : m_textColor;
}

void MonthGridDrawing::itemChange(ItemChange change, const ItemChangeData &value)
{
    if (change == ItemDevicePixelRatioHasChanged || change == ItemSceneChange) {
        invalidateImage();
    }
    QQuickItem::itemChange(change, value);
}

void MonthGridDrawing::invalidateImage()
{
    m_imageRatio = 0;
    update();
}

// Every text the grid can show, and its marks, side by side in rows of one image.
void MonthGridDrawing::makeImage(qreal devicePixelRatio)
{
    QStringList keys = m_dayNames;
    for (int number = 1; number <= 53; ++number) {
        keys.append(QString::number(number));
    }
    const QFontMetricsF metrics(m_font);
    constexpr int rowWidth = 512;
    m_pieces.clear();
    QHash<QString, QRect> placed;
    QPoint next(0, 0);
    int rowHeight = 0;
    const auto place = [&](const QString &key, QSizeF size) {
        const QSize pixels(std::ceil(size.width() * devicePixelRatio) + 2 * padding, std::ceil(size.height() * devicePixelRatio) + 2 * padding);
        if (next.x() + pixels.width() > rowWidth) {
            next = QPoint(0, next.y() + rowHeight);
            rowHeight = 0;
        }
        m_pieces.insert(key, {QRect(next, pixels), size});
        next.rx() += pixels.width();
        rowHeight = std::max(rowHeight, pixels.height());
    };
    for (const QString &key : std::as_const(keys)) {
        place(key, QSizeF(metrics.horizontalAdvance(key), metrics.height()));
    }
    const QSizeF cell(m_cellWidth, m_cellHeight);
    for (const QString &key : {fillKey, frameKey, boldFrameKey, innerFrameKey}) {
        place(key, cell);
    }
    m_image = QImage(rowWidth, next.y() + rowHeight, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setFont(m_font);
    const qreal scale = devicePixelRatio;
    for (auto piece = m_pieces.cbegin(); piece != m_pieces.cend(); ++piece) {
        painter.save();
        painter.translate(piece->source.topLeft() + QPoint(padding, padding));
        painter.scale(scale, scale);
        if (piece.key() == fillKey) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(QRectF(QPointF(), cell), cornerRadius, cornerRadius);
        } else if (piece.key() == frameKey || piece.key() == boldFrameKey || piece.key() == innerFrameKey) {
            // The frame lies inside the cell, as a rectangle's border does.
            const qreal width = piece.key() == frameKey ? 1 : 2;
            const qreal inset = (piece.key() == innerFrameKey ? innerFrameInset : 0) + width / 2;
            painter.setPen(QPen(Qt::white, width));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(QPointF(), cell).adjusted(inset, inset, -inset, -inset), cornerRadius - width / 2,
                                    cornerRadius - width / 2);
        } else {
            painter.drawText(QPointF(0, metrics.ascent()), piece.key());
        }
        painter.restore();
    }
    m_imageRatio = devicePixelRatio;
    m_imageChanged = true;
}

// The place of a cell as the grid's positioner sums it: each column a step further, and
// mirrored from the end of the row's whole width.
QPointF MonthGridDrawing::cellPosition(int row, int column) const
{
    const qreal step = m_cellWidth + m_columnSpacing;
    qreal x = 0;
    if (m_mirrored) {
        qreal widthOfRow = 0;
        for (int i = 0; i < columns; ++i) {
            widthOfRow += (i > 0 ? m_columnSpacing : 0) + m_cellWidth;
        }
        x = std::trunc(widthOfRow);
        for (int i = 0; i < column; ++i) {
            x -= step;
        }
        x -= m_cellWidth;
    } else {
        for (int i = 0; i < column; ++i) {
            x += step;
        }
    }
    return QPointF(x, row * (m_cellHeight + m_rowSpacing));
}

// A text centred in its cell as anchors.centerIn would centre it, on whole device pixels.
void MonthGridDrawing::addText(QVector<Sprite> &list, const QString &text, QPointF cell, const QColor &color, qreal devicePixelRatio) const
{
    const auto piece = m_pieces.constFind(text);
    if (piece == m_pieces.cend()) {
        return;
    }
    const QPointF place = cell + QPointF(alignedCentre(m_cellWidth) - alignedCentre(piece->size.width()),
                                         alignedCentre(m_cellHeight) - alignedCentre(piece->size.height()));
    const QPointF scene = mapToScene(place);
    const QPointF snapped = QPointF(std::round(scene.x() * devicePixelRatio), std::round(scene.y() * devicePixelRatio)) / devicePixelRatio;
    const QPointF origin = place + (snapped - scene) - QPointF(padding, padding) / devicePixelRatio;
    list.append({QRectF(origin, QSizeF(piece->source.size()) / devicePixelRatio), piece->source, color});
}

QVector<MonthGridDrawing::Sprite> MonthGridDrawing::sprites(qreal devicePixelRatio) const
{
    QVector<Sprite> list;
    if (!m_model) {
        return list;
    }
    const QPointF pad = QPointF(padding, padding) / devicePixelRatio;
    const auto mark = [&](const QString &key, QPointF cell, const QColor &color) {
        const Piece &piece = m_pieces[key];
        list.append({QRectF(cell - pad, QSizeF(piece.source.size()) / devicePixelRatio), piece.source, color});
    };
    for (int index = 0; index < MonthModel::cellCount; ++index) {
        const QModelIndex cell = m_model->index(index);
        const QPointF place = m_gridOrigin + cellPosition(index / columns, index % columns);
        const bool isToday = cell.data(MonthModel::IsTodayRole).toBool();
        const bool isFocused = index == m_focusedIndex;
        if (isToday) {
            mark(fillKey, place, m_highlightColor);
        }
        // Today's fill would hide the selection's frame: there the keyboard is a ring in
        // the fill's text colour, inside the fill.
        if (isFocused && isToday) {
            mark(innerFrameKey, place, m_highlightedTextColor);
        } else if (cell.data(MonthModel::IsSelectedRole).toBool()) {
            mark(isFocused ? boldFrameKey : frameKey, place, m_highlightColor);
        }
    }
    for (int column = 0; column < columns && column < m_dayNames.size(); ++column) {
        addText(list, m_dayNames[column], m_headerOrigin + cellPosition(0, column),
                column >= 5 ? m_weekendColor : m_textColor, devicePixelRatio);
    }
    const QVector<int> weeks = m_model->weekNumbers();
    for (int row = 0; row < rows; ++row) {
        addText(list, QString::number(weeks.value(row)), QPointF(m_stripX, m_gridOrigin.y() + cellPosition(row, 0).y()), m_dimColor, devicePixelRatio);
        for (int column = 0; column < columns; ++column) {
            const int index = row * columns + column;
            addText(list, m_model->index(index).data(MonthModel::DayRole).toString(), m_gridOrigin + cellPosition(row, column), dayColor(index),
                    devicePixelRatio);
        }
    }
    return list;
}

QSGNode *MonthGridDrawing::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data)
{
    Q_UNUSED(data)
    QQuickWindow *scene = window();
    if (!scene || m_cellWidth <= 0 || m_cellHeight <= 0) {
        delete oldNode;
        return nullptr;
    }
    const qreal ratio = scene->effectiveDevicePixelRatio();
    if (m_imageRatio != ratio) {
        makeImage(ratio);
    }
    const QVector<Sprite> list = sprites(ratio);
    if (isSoftware(scene)) {
        auto *node = static_cast<PaintedNode *>(oldNode);
        if (!node) {
            node = new PaintedNode(scene);
            m_imageChanged = true;
        }
        if (m_imageChanged) {
            node->setImage(m_image);
        }
        m_imageChanged = false;
        node->setSprites(list, boundingRect());
        return node;
    }
    auto *node = static_cast<TintedNode *>(oldNode);
    if (!node) {
        node = new TintedNode;
        m_imageChanged = true;
    }
    if (m_imageChanged) {
        node->setImage(scene, m_image);
    }
    m_imageChanged = false;
    node->setSprites(list, m_image.size());
    return node;
}
