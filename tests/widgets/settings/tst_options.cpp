#include "document/widgets/SourceEditor.h"
#include "settings/widgets/OptionsDialog.h"
#include "structure/widgets/StructureTreeView.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

namespace {

QStringList iniLines(const MainWindowFixture &fixture)
{
    const QByteArray bytes = fixture.readFile(fixture.programFolder.filePath(QStringLiteral("Norvane.ini")));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QString valueOf(const QStringList &lines, const QString &key)
{
    const qsizetype index = lines.indexOf(key);
    return index >= 0 && index + 1 < lines.size() ? lines.at(index + 1) : QString();
}

QStringList visibleRecent(const MainWindow &window)
{
    QStringList captions;
    for (QAction *item : window.commands()->recentMenu()->actions()) {
        if (item->isVisible() && item->isEnabled())
            captions.append(item->text());
    }
    return captions;
}

void press(OptionsDialog *dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
}

} // namespace

// The options dialog, the settings file it writes and the Recent menu.
class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void firstStartWritesTheSkeletonBesideTheProgram();
    void okWritesTheChosenOptions();
    void cancelKeepsTheSettingsAsTheyWere();
    void fontChangeKeepsModifiedMarksAndIsSaved();
    void treePopupTogglesAreSaved();
    void closedFilesEnterTheRecentMenu();
    void recentEntriesOpenTheirFiles();
    void anEmptyRecentMenuSaysSo();
    void aCorruptFileStillStarts();
};

void TestOptions::firstStartWritesTheSkeletonBesideTheProgram()
{
    MainWindowFixture fixture;
    const QStringList lines = iniLines(fixture);
    QCOMPARE(lines.size(), 67);
    QCOMPARE(lines.at(0), QStringLiteral("[Norvane]"));
    QCOMPARE(valueOf(lines, QStringLiteral("[save new files in Unix format]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[target sytem for data files in big endian]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[block caret]")), QStringLiteral("False"));
    QCOMPARE(valueOf(lines, QStringLiteral("[tab and indent length]")), QStringLiteral("4"));
    QCOMPARE(valueOf(lines, QStringLiteral("[Recent file list size]")), QStringLiteral("30"));
    QCOMPARE(valueOf(lines, QStringLiteral("[Font.Name]")), QStringLiteral("MS Sans Serif"));
    QCOMPARE(valueOf(lines, QStringLiteral("[Font.Size]")), QStringLiteral("8"));
    QCOMPARE(valueOf(lines, QStringLiteral("[Font.Style]")), QStringLiteral("[]"));
    QCOMPARE(valueOf(lines, QStringLiteral("[colour COBOL source]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[column guides]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[column guide positions]")), QStringLiteral("7 8 12 72"));
    QCOMPARE(valueOf(lines, QStringLiteral("[line numbers]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[copybook folders]")), QString());
    QCOMPARE(lines.at(36), QStringLiteral("[RecentList]"));
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("appdata"))));
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestOptions::okWritesTheChosenOptions()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->runCommand(CommandId::Options);
    OptionsDialog *dialog = fixture.window->optionsDialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
    QVERIFY(dialog->unixLineFeedBox->isChecked());
    QCOMPARE(dialog->indentSpin->value(), 4);
    QCOMPARE(dialog->indentSpin->maximum(), 9);
    QCOMPARE(dialog->recentCountSpin->minimum(), 10);

    QTest::mouseClick(dialog->blockCaretBox, Qt::LeftButton, {}, QPoint(5, dialog->blockCaretBox->height() / 2));
    dialog->indentSpin->setValue(2);
    press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog->isVisible());
    QVERIFY(fixture.settings.optFatCarat);
    QCOMPARE(fixture.settings.IndentOption, 2);
    const QStringList lines = iniLines(fixture);
    QCOMPARE(valueOf(lines, QStringLiteral("[block caret]")), QStringLiteral("True"));
    QCOMPARE(valueOf(lines, QStringLiteral("[tab and indent length]")), QStringLiteral("2"));
}

void TestOptions::cancelKeepsTheSettingsAsTheyWere()
{
    MainWindowFixture fixture;
    fixture.settings.optFatCarat = true;
    fixture.show();
    fixture.window->runCommand(CommandId::Options);
    OptionsDialog *dialog = fixture.window->optionsDialog();
    QVERIFY(dialog->blockCaretBox->isChecked());
    dialog->blockCaretBox->setChecked(false);
    press(dialog, QDialogButtonBox::Cancel);
    QVERIFY(fixture.settings.optFatCarat);
    fixture.window->runCommand(CommandId::Options);
    QVERIFY(dialog->blockCaretBox->isChecked());
    press(dialog, QDialogButtonBox::Cancel);
}

void TestOptions::fontChangeKeepsModifiedMarksAndIsSaved()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n"));
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n"));
    const QList<DocumentWindow *> children = fixture.window->documentArea()->documents();
    children[0]->editor()->setFocus();
    QTest::keyClicks(children[0]->editor(), QStringLiteral("X"));

    QFont chosen(QStringLiteral("DejaVu Sans Mono"), 13);
    chosen.setBold(true);
    fixture.dialogs.planFont(chosen);
    fixture.window->runCommand(CommandId::Font);
    QVERIFY(children[0]->editor()->isModified());
    QVERIFY(!children[1]->editor()->isModified());
    QCOMPARE(children[1]->editor()->font().pointSize(), 13);
    QCOMPARE(children[1]->splitView()->font().pointSize(), 13);
    const QStringList lines = iniLines(fixture);
    QCOMPARE(valueOf(lines, QStringLiteral("[Font.Size]")), QStringLiteral("13"));
    QCOMPARE(valueOf(lines, QStringLiteral("[Font.Style]")), QStringLiteral("[fsBold]"));

    // Files opened later take the chosen font.
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("C.cbl"), "C\r\n"));
    QCOMPARE(fixture.window->activeDocument()->editor()->font().pointSize(), 13);
}

void TestOptions::treePopupTogglesAreSaved()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(
        QStringLiteral("P.cbl"), "       PROCEDURE DIVISION.\r\n       MAIN-PARA.\r\n           PERFORM SUB-PARA.\r\n"
                                 "       SUB-PARA.\r\n"));
    DocumentWindow *child = fixture.window->activeDocument();
    QCOMPARE(child->structureTree()->count(), 3);
    QMetaObject::invokeMethod(child->menus()->treeMenu, "aboutToShow");
    QVERIFY(!child->menus()->showPerformedItem->isChecked());
    child->menus()->showPerformedItem->trigger();
    QVERIFY(fixture.settings.ShowPerformOption);
    QCOMPARE(child->structureTree()->count(), 4);
    QCOMPARE(valueOf(iniLines(fixture), QStringLiteral("[show performed paragraphs/sections in tree view]")),
             QStringLiteral("True"));
}

void TestOptions::closedFilesEnterTheRecentMenu()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    const QString b = fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n");
    for (const QString &file : {a, b, a}) {
        fixture.window->openSourceFile(file);
        fixture.window->runCommand(CommandId::Close);
    }
    QCOMPARE(visibleRecent(*fixture.window), (QStringList{QStringLiteral("1    ") + a, QStringLiteral("2    ") + b}));

    // A read-only window enters under its plain path; blank documents never do.
    fixture.window->fileCommands()->openReadOnly = true;
    fixture.window->openSourceFile(b);
    fixture.window->runCommand(CommandId::Close);
    fixture.window->runCommand(CommandId::New);
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(visibleRecent(*fixture.window), (QStringList{QStringLiteral("1    ") + b, QStringLiteral("2    ") + a}));
    QCOMPARE(iniLines(fixture).at(37), b);
}

void TestOptions::recentEntriesOpenTheirFiles()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    const QString gone = fixture.writeFile(QStringLiteral("GONE.cbl"), "G\r\n");
    for (const QString &file : {a, gone}) {
        fixture.window->openSourceFile(file);
        fixture.window->runCommand(CommandId::Close);
    }
    QFile::remove(gone);

    fixture.window->commands()->recentMenu()->actions().at(0)->trigger();   // GONE.cbl, the newest
    QCOMPARE(fixture.dialogs.lastMessage(), gone + QStringLiteral("\nno longer exists"));
    QCOMPARE(visibleRecent(*fixture.window), QStringList{QStringLiteral("1    ") + a});

    fixture.window->commands()->recentMenu()->actions().at(0)->trigger();
    QCOMPARE(fixture.window->activeDocument()->caption(), a);
}

void TestOptions::anEmptyRecentMenuSaysSo()
{
    MainWindowFixture fixture;
    fixture.show();
    QMenu *menu = fixture.window->commands()->recentMenu();
    QAction *empty = menu->actions().constLast();
    QCOMPARE(empty->text(), QStringLiteral("(no recent files)"));
    QVERIFY(empty->isVisible());
    QVERIFY(!empty->isEnabled());
    QVERIFY(visibleRecent(*fixture.window).isEmpty());

    // A menu with something to show opens: clicked while empty, then again with an entry.
    for (int round = 0; round < 2; ++round) {
        menu->popup(fixture.window->mapToGlobal(QPoint(80, 20)));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        const QString file = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
        fixture.window->openSourceFile(file);
        fixture.window->runCommand(CommandId::Close);
        QCOMPARE(empty->isVisible(), false);
    }

    // The last entry gone, the menu says so again.
    QFile::remove(fixture.path(QStringLiteral("A.cbl")));
    menu->actions().constFirst()->trigger();
    QVERIFY(empty->isVisible());
}

void TestOptions::aCorruptFileStillStarts()
{
    QTemporaryDir programFolder;
    {
        QFile ini(programFolder.filePath(QStringLiteral("Norvane.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Norvane]\r\n\r\n[block caret]\r\nperhaps\r\n[tab and indent length]\r\nfour\r\n");
    }
    Settings settings;
    ScriptedDialogs dialogs;
    MainWindow window({settings, dialogs, programFolder.path(), programFolder.filePath(QStringLiteral("none"))});
    QCOMPARE(settings.IndentOption, 4);
    QVERIFY(!settings.optFatCarat);
    QVERIFY(!dialogs.asked().isEmpty());
    QCOMPARE(dialogs.asked().constLast().icon, Dialogs::Icon::Warning);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
