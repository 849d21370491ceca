// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QFont>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace forms::qt {
namespace {

// Fusion leaves 20 pixels before an option's caption; the designs leave about 17.
class CompactStyle : public QProxyStyle {
 public:
  CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_RadioButtonLabelSpacing:
      case PM_CheckBoxLabelSpacing:
        return 4;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }

  // Fusion's frame of a group box, drawn from Fusion's own picture, read as PngPixmap reads.
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_FrameGroupBox) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    static const QPixmap frame =
        PngPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    constexpr int kFusionTitleGap = 3;
    const int top = qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                         option->fontMetrics.height()) +
                    kFusionTitleGap;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
  }
};

}  // namespace

void SetUpLook(QApplication& application) {
  QApplication::setStyle(new CompactStyle);
  QApplication::setPalette(QApplication::style()->standardPalette());
  // Liberation Sans has Arial's widths, which the designs' captions were measured in; the face
  // the About window names is not found on most desktops.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  application.setFont(font);
}

QPixmap PngPixmap(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

QPixmap Picture(const char* name) {
  return PngPixmap(QStringLiteral(":/velmara/%1.png").arg(QString::fromUtf8(name)));
}

}  // namespace forms::qt
