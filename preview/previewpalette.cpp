/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "previewpalette.h"

#include <QGuiApplication>

PreviewPalette::PreviewPalette(QObject *parent)
    : QObject(parent)
{
}

QPalette PreviewPalette::palette(bool dark)
{
    struct Roles {
        QColor window, windowText, base, alternateBase, text, button, buttonText, highlight, highlightedText, light, midlight, mid,
            dark, shadow, link, toolTipBase, toolTipText, placeholder, disabledText;
    };
    static const Roles lightRoles{"#eff0f1", "#232627", "#fcfcfc", "#eff0f1", "#232627", "#e3e5e7", "#232627", "#3daee9", "#fcfcfc",
                                  "#ffffff", "#f0f1f2", "#b8bcbf", "#878b8e", "#474a4c", "#2980b9", "#f7f7f7", "#232627",
                                  "#7f8c8d", "#a0a2a3"};
    static const Roles darkRoles{"#202326", "#fcfcfc", "#141618", "#1d1f22", "#fcfcfc", "#292c30", "#fcfcfc", "#3daee9", "#fcfcfc",
                                 "#40464c", "#33383d", "#24272b", "#0f1012", "#070808", "#1d99f3", "#292c30", "#fcfcfc",
                                 "#a1a9b1", "#6e7175"};
    const Roles &r = dark ? darkRoles : lightRoles;

    QPalette palette(r.button, r.window);
    const auto setAll = [&palette](QPalette::ColorRole role, const QColor &colour) {
        palette.setColor(QPalette::All, role, colour);
    };
    setAll(QPalette::Window, r.window);
    setAll(QPalette::WindowText, r.windowText);
    setAll(QPalette::Base, r.base);
    setAll(QPalette::AlternateBase, r.alternateBase);
    setAll(QPalette::Text, r.text);
    setAll(QPalette::Button, r.button);
    setAll(QPalette::ButtonText, r.buttonText);
    setAll(QPalette::BrightText, r.highlightedText);
    setAll(QPalette::Highlight, r.highlight);
    setAll(QPalette::HighlightedText, r.highlightedText);
    setAll(QPalette::Light, r.light);
    setAll(QPalette::Midlight, r.midlight);
    setAll(QPalette::Mid, r.mid);
    setAll(QPalette::Dark, r.dark);
    setAll(QPalette::Shadow, r.shadow);
    setAll(QPalette::Link, r.link);
    setAll(QPalette::ToolTipBase, r.toolTipBase);
    setAll(QPalette::ToolTipText, r.toolTipText);
    setAll(QPalette::PlaceholderText, r.placeholder);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, r.disabledText);
    }
    return palette;
}

bool PreviewPalette::isLight(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() > palette.color(QPalette::WindowText).lightness();
}

void PreviewPalette::apply(bool dark)
{
    QGuiApplication::setPalette(palette(dark));
}
