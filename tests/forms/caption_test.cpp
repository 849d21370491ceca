// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "control_row.h"
#include "forms/caption.h"

// What a caption shows, which access keys it marks, and the name a screen reader says for a
// control: the same answers for every home.
class CaptionTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void readCaption_data();
  void readCaption();
  void accessibleName_data();
  void accessibleName();
};

void CaptionTest::readCaption_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("keys");
  QTest::newRow("one mark") << "&Close"
                            << "Close"
                            << "C";
  QTest::newRow("two marks, in the caption's order") << "&C&alculate"
                                                     << "Calculate"
                                                     << "CA";
  QTest::newRow("a mark inside") << "Calculate &Energy"
                                 << "Calculate Energy"
                                 << "E";
  QTest::newRow("&& is a plain &") << "Salt && Pepper"
                                   << "Salt & Pepper"
                                   << "";
  QTest::newRow("&& then a mark") << "&&&Tom"
                                  << "&Tom"
                                  << "T";
  QTest::newRow("a mark then &&") << "a&b&&c"
                                  << "ab&c"
                                  << "B";
  QTest::newRow("a last & marks nothing") << "Fish &"
                                          << "Fish "
                                          << "";
  QTest::newRow("a digit") << "Page &2"
                           << "Page 2"
                           << "2";
  QTest::newRow("a Latin-1 letter, as its capital")
      << QString::fromUtf8("&\xC3\xA9t\xC3\xA9") << QString::fromUtf8("\xC3\xA9t\xC3\xA9")
      << QString::fromUtf8("\xC3\x89");
  QTest::newRow("no marks") << "About Velmara"
                            << "About Velmara"
                            << "";
  QTest::newRow("empty") << ""
                         << ""
                         << "";
}

void CaptionTest::readCaption() {
  QFETCH(QString, caption);
  QFETCH(QString, shown);
  QFETCH(QString, keys);
  const std::u16string text = caption.toStdU16String();
  const forms::Caption read = forms::ReadCaption(text);
  QCOMPARE(QString::fromStdU16String(read.shown), shown);
  QString marked;
  for (const std::size_t at : read.markedAt) marked += QChar(read.shown.at(at)).toUpper();
  QCOMPARE(marked, keys);
  const auto accessKeys = forms::AccessKeysOf(text);
  QCOMPARE(QString::fromStdU16String({accessKeys.begin(), accessKeys.end()}), keys);
}

using forms::Kind;

void CaptionTest::accessibleName_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("designName");
  QTest::addColumn<QString>("name");  // "-" for none: the desktop names the control
  const auto row = [](const char* tag, Kind kind, const char* caption, const char* designName,
                      const char* name) {
    QTest::newRow(tag) << static_cast<int>(kind) << caption << designName << name;
  };
  row("a button says its caption without marks", Kind::CommandButton, "&C&alculate", "",
      "Calculate");
  row("&& says &", Kind::Label, "Salt && Pepper", "", "Salt & Pepper");
  row("an option button", Kind::OptionButton, "Grains - Grams", "", "Grains - Grams");
  row("a frame", Kind::Frame, "Conversions", "", "Conversions");
  row("a label the program empties", Kind::Label, "", "", "");
  row("the design's name wins over a caption", Kind::Label, "grains", "Mass unit", "Mass unit");
  row("a named box", Kind::TextBox, "0", "Pellet mass", "Pellet mass");
  row("an unnamed box: its text is no name", Kind::TextBox, "12", "", "-");
  row("an unnamed picture", Kind::Image, "", "", "-");
  row("an unnamed line", Kind::Line, "", "", "-");
}

void CaptionTest::accessibleName() {
  QFETCH(int, kind);
  QFETCH(QString, caption);
  QFETCH(QString, designName);
  QFETCH(QString, name);
  const QByteArray designed = designName.toUtf8();
  const forms::ControlDesign row = test_support::ControlRow(
      "Control", static_cast<Kind>(kind), nullptr, nullptr, 0,
      {.accessibleName = designName.isEmpty() ? nullptr : designed.constData()});
  const auto said = forms::AccessibleName(row, caption.toStdU16String());
  QCOMPARE(said ? QString::fromStdU16String(*said) : QStringLiteral("-"), name);
}

QTEST_APPLESS_MAIN(CaptionTest)
#include "caption_test.moc"
