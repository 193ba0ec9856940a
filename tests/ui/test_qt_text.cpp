#include <QTest>

#include "i18n/cp1250.h"
#include "qt_text.h"

using namespace tabrel;

class TestQtText : public QObject {
    Q_OBJECT
private slots:
    void core_text_becomes_unicode() {
        QCOMPARE(qt_text(cp("Zażółć ¤")), QString::fromUtf8("Zażółć ¤"));
    }

    void message_line_breaks_become_new_lines() {
        QCOMPARE(qt_message_text(cp("Plik:\r\nmaj\rczerwiec\nlipiec")),
                 QString::fromUtf8("Plik:\nmaj\nczerwiec\nlipiec"));
    }
};

QTEST_MAIN(TestQtText)
#include "test_qt_text.moc"
