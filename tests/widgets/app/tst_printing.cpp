#include "support/MainWindowFixture.h"

#include <QRegularExpression>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

// Print setup chooses the printer, the paper and the orientation that Print
// then uses, for every print after it.
class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void printUsesThePrintSetupChoices();

private:
    // The first page's size in points, from the PDF's media box.
    static QSizeF pageSize(const QByteArray &pdf)
    {
        static const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
        const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
        if (!match.hasMatch())
            return {};
        return {match.captured(1).toDouble(), match.captured(2).toDouble()};
    }
};

void TestPrinting::printUsesThePrintSetupChoices()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("P.cbl"), "       PROGRAM-ID. PRINTME.\r\n"));

    const QString chosen = fixture.path(QStringLiteral("chosen.pdf"));
    fixture.dialogs.planPrintSetup({QPageSize(QPageSize::A5), QPageLayout::Landscape, chosen});
    fixture.window->runCommand(CommandId::PrintSetup);

    // The print dialog opens on the printer chosen in the setup.
    fixture.dialogs.planPrintAsSetUp();
    fixture.window->runCommand(CommandId::Print);
    QCOMPARE(fixture.dialogs.asked().constLast().text, chosen);
    const QByteArray first = fixture.readFile(chosen);
    QVERIFY(first.startsWith("%PDF"));
    // A5 is 420 by 595 points; landscape turns it.
    const QSizeF landscapeA5(595, 420);
    QVERIFY2(qAbs(pageSize(first).width() - landscapeA5.width()) < 1 &&
                 qAbs(pageSize(first).height() - landscapeA5.height()) < 1,
             qPrintable(QStringLiteral("%1 x %2").arg(pageSize(first).width()).arg(pageSize(first).height())));

    // Another file in the print dialog: still the paper and orientation of the setup.
    const QString other = fixture.path(QStringLiteral("other.pdf"));
    fixture.dialogs.planPrint(other);
    fixture.window->runCommand(CommandId::Print);
    const QSizeF second = pageSize(fixture.readFile(other));
    QVERIFY(qAbs(second.width() - landscapeA5.width()) < 1 && qAbs(second.height() - landscapeA5.height()) < 1);

    // A later setup starts from the choices made before.
    fixture.dialogs.planPrintSetup({QPageSize(QPageSize::A4), QPageLayout::Portrait, chosen});
    fixture.window->runCommand(CommandId::PrintSetup);
    QCOMPARE(fixture.dialogs.asked().constLast().text, other);
    QVERIFY(fixture.dialogs.allAnswered());
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
