// Collecting face names and choosing the font list's entries.

#include <QtTest>
#include <cstring>

#include "app/app_state.h"
#include "app/font_list.h"
#include "app/startup.h"

using namespace varnimo::app;
using Names = std::vector<std::string>;

// "微软雅黑" as face names come: in the ANSI code page.
const std::string kYaHei = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";

Q_DECLARE_METATYPE(Names)
Q_DECLARE_METATYPE(std::optional<std::size_t>)

class FontListTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { InitAppState(); }
  void cleanup() { Shutdown(); }

  // A face name that fills the whole field without a terminator is read no further.
  void collectCopiesTheFaceName() {
    platform::LOGFONTA font{};
    std::memset(font.lfFaceName, 'A', sizeof font.lfFaceName);
    QCOMPARE(CollectFontName(&font, nullptr, 0, 0), 1);
    std::strcpy(font.lfFaceName, "@Vertical");
    QCOMPARE(CollectFontName(&font, nullptr, 0, 0), 1);
    QCOMPARE(State().fontNames, (Names{std::string(32, 'A'), "@Vertical"}));
  }

  // The caller's list is replaced and the collected names do not stay behind.
  void fillReplacesTheListAndEmptiesTheCollection() {
    Names list{"stale"};
    FillFontList(list);
    QVERIFY(!list.empty());
    QVERIFY(std::find(list.begin(), list.end(), "stale") == list.end());
    QVERIFY(State().fontNames.empty());
  }

  void entries_data() {
    QTest::addColumn<Names>("names");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<Names>("entries");
    QTest::addColumn<int>("selected");  // -1: none
    QTest::newRow("vertical faces skipped") << Names{"@" + kYaHei, "A", "@B", "B"} << "" << Names{"A", "B"} << -1;
    QTest::newRow("preferred face selected") << Names{"@C", "A", kYaHei, "C"} << "C"
                                             << Names{"A", kYaHei, "C"} << 1;
    QTest::newRow("fallback when preferred missing") << Names{"A", "@C", "C"} << "C" << Names{"A", "C"} << 1;
    QTest::newRow("no fallback installed") << Names{"A"} << "Z" << Names{"A"} << -1;
    QTest::newRow("only vertical fallback") << Names{"A", "@C"} << "@C" << Names{"A"} << -1;
  }

  void entries() {
    QFETCH(Names, names);
    QFETCH(QString, fallback);
    QFETCH(Names, entries);
    QFETCH(int, selected);
    const FontEntries chosen = ChooseFontEntries(names, fallback.toStdString());
    QCOMPARE(chosen.names, entries);
    QCOMPARE(chosen.selected ? static_cast<int>(*chosen.selected) : -1, selected);
  }
};

QTEST_MAIN(FontListTest)
#include "font_list_test.moc"
