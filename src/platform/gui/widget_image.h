// Images of windows: conversion between the platform's Image and QImage, and a widget's picture.
#pragma once

#include <QImage>
#include <QString>

#include "platform/printer.h"

class QWidget;

namespace pave {

QImage ToQImage(const Image& image);
Image FromQImage(const QImage& image);

// What the widget shows now (with its children), as the image the printer gets.
Image ImageOfWidget(QWidget& widget);

// Prints the widget's picture on the platform printer (one sheet); false when printing failed.
bool PrintWidget(QWidget& widget);

// Saves the widget's picture as a PNG file; false when it could not be written.
bool SaveWidgetPng(QWidget& widget, const QString& path);

}  // namespace pave
