// Both validators: empty and below-range text stays open, non-numbers are refused, above
// the top is replaced by the top.
#include "myintvalidator.h"

#include <QLineEdit>
#include <QtTest>

class TestKitValidators : public QObject {
    Q_OBJECT
private slots:
    void acceptOrClamp_data()
    {
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("output");
        const struct {
            const char *input;
            QValidator::State state;
            const char *output;
        } table[] = {
            {"", QValidator::Intermediate, ""},     {"0", QValidator::Intermediate, "0"},
            {"1", QValidator::Acceptable, "1"},     {"120", QValidator::Acceptable, "120"},
            {"121", QValidator::Acceptable, "120"}, {"99999", QValidator::Acceptable, "120"},
            {"abc", QValidator::Invalid, "abc"},    {"-", QValidator::Invalid, "-"},
            {"-5", QValidator::Intermediate, "-5"}, {"12a", QValidator::Invalid, "12a"},
            {" 5", QValidator::Invalid, " 5"},      {"99999999999", QValidator::Invalid, "99999999999"},
        };
        for (bool second : {false, true})
            for (const auto &row : table)
                QTest::newRow(qPrintable(QString("%1 '%2'").arg(second ? "MyIntValidator2" : "MyIntValidator").arg(row.input)))
                    << second << QString(row.input) << int(row.state) << QString(row.output);
    }
    void acceptOrClamp()
    {
        QFETCH(bool, second);
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, output);
        QScopedPointer<QIntValidator> validator(second ? static_cast<QIntValidator *>(new MyIntValidator2(1, 120, nullptr))
                                                       : new MyIntValidator(1, 120, nullptr));
        int pos = 0;
        QCOMPARE(int(validator->validate(input, pos)), state);
        QCOMPARE(input, output);
        QCOMPARE(pos, 0);
    }

    void pastedNumberLeavesTheTop()
    {
        QLineEdit edit;
        MyIntValidator validator(1, 120, &edit);
        edit.setValidator(&validator);
        edit.insert("99999");
        QCOMPARE(edit.text(), QString("120"));
        QVERIFY(edit.hasAcceptableInput());
    }
};

QTEST_MAIN(TestKitValidators)
#include "tst_kitvalidators.moc"
