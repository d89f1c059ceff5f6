#pragma once
// The application's style, with the images Qt's own styles read for a
// dialog's first frames read without loading anything else. Asked for an
// image without a named format, Qt loads every image-format plugin it has
// (GIF, ICO, JPEG and the libraries behind them) to ask each whether it
// reads the file; asked for an arrow with no desktop icon theme set (Qt
// falls back to "hicolor", which has none), it also searches every hicolor
// directory and the pixmaps folder and parses the theme's index, to end
// with its own arrow images: about 1 MB and several milliseconds for two
// arrows. Here:
//   - the month calendar's previous and next arrows (SP_ArrowLeft/Right)
//     are Qt's own arrow images where there is no icon theme, drawn from
//     the images themselves (SizedIconEngine); under a real icon theme the
//     style answers from the theme, as before;
//   - Fusion's group-box frame is its own frame image, read as PNG and
//     drawn as Fusion draws it (the widget tests compare the two).
// Everything else is the style's own; other styles are left alone but for
// the arrows.

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>

class DialogStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // Made when first asked for; they go with the style, before Qt does.
    mutable QIcon m_left;
    mutable QIcon m_right;
    mutable QPixmap m_groupBoxFrame;
};

// Makes the application's style a DialogStyle over the style it has (the
// platform's or the one the user chose), once, before the first dialog.
void InstallDialogStyle();
