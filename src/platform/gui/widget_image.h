// Windows on paper and on file: a part of a window printed as a page drawn at the printer's
// resolution, and a window's picture saved as PNG.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace pave {

// Prints `area` of the widget (its own pixels; with the children in it) on the platform printer,
// one portrait sheet, scaled to the sheet's width: the widget and its children paint themselves
// on the printer, so text and lines come out at its resolution. False when printing failed.
bool PrintWidget(QWidget& widget, const QRect& area);

// Saves the widget's picture as a PNG file; false when it could not be written.
bool SaveWidgetPng(QWidget& widget, const QString& path);

}  // namespace pave
