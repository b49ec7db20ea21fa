#include "store/ui/frmReadOldData.h"

#include <QLabel>
#include <QTest>

class TestFrmReadOldData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsReadingText()
    {
        frmReadOldData form;
        form.show();
        auto *label = form.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Reading..."));
        QCOMPARE(form.windowTitle(), QStringLiteral("Reading..."));
    }
};

QTEST_MAIN(TestFrmReadOldData)
#include "tst_frmreadolddata.moc"
