#include "style.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>

namespace forms {
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

}  // namespace forms
