#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/StatusPanel.h"
#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace norvane;
using namespace norvane::test;

namespace {

QStringList enabledCommands(const MainWindow &window)
{
    QStringList names;
    for (std::size_t i = 0; i < CommandCount; ++i) {
        QAction *action = window.action(static_cast<CommandId>(i));
        if (action->isEnabled())
            names.append(action->objectName());
    }
    names.sort();
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

// The main window as a user meets it: its menus, toolbar, tabs, status bar and
// window commands.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsWithOnlyTheAlwaysAvailableCommands();
    void menusHoldTheirItemsShortcutsAndSeparators();
    void toolbarButtonsInOrderWithTooltipsAndIcons();
    void commandLineFilesOpenInOrder();
    void everyDocumentOfAStartGetsATreeOfAThird();
    void namedFilesThatDoNotExistOpenAsNewDocuments();
    void unsavedChangesAreMarkedInTabAndTitle();
    void tabPopupClosesTheTabUnderTheMouse();
    void tabsFollowDocuments();
    void selectingTheTabOfAMinimisedDocumentRestoresIt();
    void windowMenuListsTheDocuments();
    void hidingTheToolbarFromItsPopup();
    void statusPanelFollowsTheWidth();
    void droppedFilesOpen();
    void aboutBoxShowsTheReadme();
    void aboutBoxShowsTheReadmeUnwrapped();
    void missingReadmeIsReportedAtStart();
    void helpShowsContentsAndSearches();
    void activationFromASecondStartOpensItsFiles();
};

void TestMainWindow::startsWithOnlyTheAlwaysAvailableCommands()
{
    MainWindowFixture fixture;
    fixture.show();
    QTRY_COMPARE(enabledCommands(*fixture.window),
                 sorted({QStringLiteral("Open"), QStringLiteral("New"), QStringLiteral("SaveAll"),
                         QStringLiteral("PrintSetup"), QStringLiteral("Exit"), QStringLiteral("HideToolbar"),
                         QStringLiteral("Options"), QStringLiteral("Font"), QStringLiteral("NextWindow"),
                         QStringLiteral("PreviousWindow"), QStringLiteral("Help"), QStringLiteral("About")}));
    // The platform shows the program's name, and nothing before it without a document.
    QVERIFY(fixture.window->windowTitle().isEmpty());
    QCOMPARE(fixture.window->documentArea()->tabs().LastTabIndex(), -1);
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestMainWindow::menusHoldTheirItemsShortcutsAndSeparators()
{
    MainWindowFixture fixture;
    QStringList titles;
    for (QAction *menu : fixture.window->menuBar()->actions())
        titles.append(menu->text());
    QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Recent"), QStringLiteral("&Edit"),
                                  QStringLiteral("Tools"), QStringLiteral("&Window"), QStringLiteral("&Help")}));

    // Each menu as captions, "-" for a separator.
    auto layout = [&](int index) {
        QStringList items;
        for (QAction *item : fixture.window->menuBar()->actions().at(index)->menu()->actions())
            items.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        return items;
    };
    QCOMPARE(layout(0).join(u'|'), QStringLiteral("&Open|&New|&Close|-|&Read Only mode|&Update mode|-|&Save|Save a&ll|"
                                                  "Save &as...|-|Print|Print setup|-|E&xit"));
    // The Edit items show the editor's own keys, aligned as shortcuts, without owning them.
    QCOMPARE(layout(2).join(u'|'), QStringLiteral("&Undo\tCtrl+Z|Re&do\tCtrl+Shift+Z|-|Cu&t\tCtrl+X|&Copy\tCtrl+C|"
                                                  "&Paste\tCtrl+V|-|Select &all\tCtrl+A"));
    for (CommandId id : {CommandId::Undo, CommandId::Redo, CommandId::Cut, CommandId::Copy, CommandId::Paste,
                         CommandId::SelectAll})
        QVERIFY2(fixture.window->action(id)->shortcut().isEmpty(), commandName(id).data());
    // The icons are the buttons': menus show captions only.
    for (QAction *menu : fixture.window->menuBar()->actions()) {
        for (QAction *item : menu->menu()->actions())
            QVERIFY2(item->icon().isNull() || !item->isIconVisibleInMenu(), qPrintable(item->text()));
    }
    QCOMPARE(layout(3).join(u'|'),
             QStringLiteral("&Find|Find &next|Find &previous|&Replace|Find all|-|&Go to|&Split screen|"
                            "Refresh &tree|-|&Indent|&Unindent|-|Ca&lc offset|&Edit data file|Record &fields|"
                            "Record b&ytes|Next in&valid cell|-|Comment|Uncomment|-|Trac&k|&Back track|-|&Hide toolbar|"
                            "&Options|Font"));
    QCOMPARE(layout(4).join(u'|'), QStringLiteral("&Cascade|&Tile|&Minimize all|&Next|&Previous"));
    QCOMPARE(layout(5).join(u'|'), QStringLiteral("&Help|&About"));
    // Thirty entries, hidden until used, and the entry that says the list is empty.
    QCOMPARE(layout(1).size(), 31);
    QCOMPARE(layout(1).constLast(), QStringLiteral("(no recent files)"));

    const struct {
        CommandId id;
        QKeySequence keys;
    } shortcuts[] = {
        {CommandId::Open, QKeySequence(QStringLiteral("Ctrl+O"))},
        {CommandId::Close, QKeySequence(QStringLiteral("Ctrl+Q"))},
        {CommandId::SaveAll, QKeySequence(QStringLiteral("Ctrl+Y"))},
        {CommandId::Exit, QKeySequence(QStringLiteral("Ctrl+Del"))},
        {CommandId::FindAll, QKeySequence(QStringLiteral("Ctrl+D"))},
        {CommandId::FindNext, QKeySequence(QStringLiteral("F3"))},
        {CommandId::FindPrevious, QKeySequence(QStringLiteral("Shift+F3"))},
        {CommandId::Uncomment, QKeySequence(QStringLiteral("Ctrl+W"))},
        {CommandId::Track, QKeySequence(QStringLiteral("F4"))},
        {CommandId::BackTrack, QKeySequence(QStringLiteral("F5"))},
        {CommandId::Help, QKeySequence(QStringLiteral("F1"))},
        {CommandId::NextInvalidCell, QKeySequence(QStringLiteral("F6"))},
        {CommandId::RecordFields, QKeySequence(QStringLiteral("F7"))},
        {CommandId::RecordBytes, QKeySequence(QStringLiteral("F8"))},
    };
    for (const auto &shortcut : shortcuts)
        QCOMPARE(fixture.window->action(shortcut.id)->shortcut(), shortcut.keys);
}

void TestMainWindow::toolbarButtonsInOrderWithTooltipsAndIcons()
{
    MainWindowFixture fixture;
    QStringList tips;
    int separators = 0;
    for (QAction *button : fixture.window->commands()->toolBar()->actions()) {
        if (button->isSeparator()) {
            ++separators;
            continue;
        }
        tips.append(button->toolTip());
        QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
    }
    QCOMPARE(tips.join(u'|'), QStringLiteral("New|Open|Save|Print|Cut|Copy|Paste|Refresh Tree|Find|Replace|Find all|"
                                             "Track|Back track|Undo|Go to|Split screen|Unindent|Indent|Comment|"
                                             "un-Comment|Calc Offset|Edit data file"));
    QCOMPARE(separators, 7);

    // A button is its command's menu item; only Undo has a button of its own,
    // which follows the selection where the menu item does not.
    QList<QAction *> menuItems;
    for (QAction *menu : fixture.window->menuBar()->actions())
        menuItems += menu->menu()->actions();
    QAction *undoButton = fixture.window->action(CommandId::UndoButton);
    for (QAction *button : fixture.window->commands()->toolBar()->actions()) {
        if (!button->isSeparator() && button != undoButton)
            QVERIFY2(menuItems.contains(button), qPrintable(button->toolTip()));
    }
    QVERIFY(!menuItems.contains(undoButton));

    // Hovering a button leaves the status panels shown: the buttons have no status text.
    fixture.show();
    QWidget *cut = fixture.window->commands()->toolBar()->widgetForAction(fixture.window->action(CommandId::Cut));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(cut, &enter);
    QVERIFY(fixture.window->statusBar()->currentMessage().isEmpty());
}

void TestMainWindow::commandLineFilesOpenInOrder()
{
    MainWindowFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("FIRST.CBL"), "       IDENTIFICATION DIVISION.\r\n");
    const QString second = fixture.writeFile(QStringLiteral("second.cob"), "       PROGRAM-ID. X.\n");
    fixture.window->setStartFiles({first, second});
    fixture.show();
    QTRY_COMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.window->activeDocument()->caption(), second);
    QCOMPARE(fixture.window->documentArea()->tabBar()->currentIndex(), 1);
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(0), QStringLiteral("FIRST.CBL"));
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(1), QStringLiteral("second.cob"));
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(0), first.toStdString());
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral("Insert   "));
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 1 column 1"));
    QVERIFY(fixture.window->action(CommandId::Close)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::Save)->isEnabled());
}

void TestMainWindow::everyDocumentOfAStartGetsATreeOfAThird()
{
    MainWindowFixture fixture;
    QStringList files;
    for (const char *name : {"A.cbl", "B.cbl", "C.cbl"})
        files.append(fixture.writeFile(QString::fromLatin1(name), "       IDENTIFICATION DIVISION.\r\n"));
    fixture.window->setStartFiles(files);
    fixture.show();
    QTRY_COMPARE(fixture.window->documentArea()->documents().size(), 3);
    // The window manager maximises the window only after the start opened the files.
    fixture.window->resize(1250, 800);
    QCoreApplication::processEvents();
    // Each document, brought to the front in turn, has the tree pane at a
    // third of its width, whenever in the start it was opened.
    for (int tab = 0; tab < 3; ++tab) {
        fixture.window->documentArea()->tabBar()->setCurrentIndex(tab);
        DocumentWindow *child = fixture.window->activeDocument();
        QCOMPARE(child->caption(), files[tab]);
        QVERIFY(child->width() > 600);
        QTRY_COMPARE(child->treeWidth(), qRound(child->width() / 3.0) - 2);
    }
    // A tree the user has sized keeps its width when the window changes.
    DocumentWindow *child = fixture.window->activeDocument();
    auto *splitter = child->findChild<QSplitter *>();
    splitter->setSizes({100, splitter->width() - 102});
    QMetaObject::invokeMethod(splitter, "splitterMoved", Q_ARG(int, 100), Q_ARG(int, 1));
    fixture.window->documentArea()->tabBar()->setCurrentIndex(0);
    fixture.window->documentArea()->tabBar()->setCurrentIndex(2);
    QCOMPARE(child->treeWidth(), 100);
}

void TestMainWindow::namedFilesThatDoNotExistOpenAsNewDocuments()
{
    MainWindowFixture fixture;
    const QString later = fixture.path(QStringLiteral("LATER.cbl"));
    fixture.window->setStartFiles({later});
    fixture.show();
    QTRY_COMPARE(fixture.window->documentArea()->documents().size(), 1);
    DocumentWindow *child = fixture.window->activeDocument();
    QCOMPARE(child->caption(), later);
    QVERIFY(child->editor()->text().isEmpty());
    QVERIFY(!fixture.window->action(CommandId::Save)->isEnabled());
    QVERIFY(fixture.dialogs.asked().isEmpty());
    QVERIFY(!QFile::exists(later));

    // Typing and Ctrl+S makes the file.
    child->editor()->setFocus();
    QTest::keyClicks(child->editor(), QStringLiteral("       PROGRAM-ID. LATER."));
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(fixture.readFile(later), QByteArray("       PROGRAM-ID. LATER.\n"));

    // A second start hands such a file over the same way; naming it again
    // brings its document to the front without a question.
    const QString next = fixture.path(QStringLiteral("NEXT.cbl"));
    fixture.window->activateFromOtherInstance({next});
    fixture.window->activateFromOtherInstance({next});
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.window->activeDocument()->caption(), next);
    QVERIFY(fixture.dialogs.asked().isEmpty());

    // Closed unsaved, it leaves no file and no Recent entry behind.
    fixture.window->runCommand(CommandId::Close);
    QVERIFY(!QFile::exists(next));
    QCOMPARE(fixture.window->settingsStore().recentMenu().visibleCount(), 0);
}

void TestMainWindow::unsavedChangesAreMarkedInTabAndTitle()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\n");
    fixture.window->openSourceFile(a);
    DocumentWindow *child = fixture.window->activeDocument();
    QTabBar *tabs = fixture.window->documentArea()->tabBar();
    // The maximised document's caption is the title; the platform adds the program's name.
    QCOMPARE(fixture.window->windowTitle(), a + QStringLiteral("[*]"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl"));
    QVERIFY(!fixture.window->isWindowModified());

    child->editor()->setFocus();
    QTest::keyClicks(child->editor(), QStringLiteral("X"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl*"));
    QVERIFY(child->isWindowModified());
    QTRY_VERIFY(fixture.window->isWindowModified());
    QCOMPARE(child->caption(), a);   // the caption, the document's identity, carries no mark
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(0), a.toStdString());

    // Undoing back to the saved text takes the mark away; so does saving.
    fixture.window->runCommand(CommandId::Undo);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl"));
    QTRY_VERIFY(!fixture.window->isWindowModified());
    QTest::keyClicks(child->editor(), QStringLiteral("Y"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl*"));
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl"));
    QVERIFY(!child->isWindowModified());

    // Other documents keep their own marks.
    fixture.window->runCommand(CommandId::New);
    QTest::keyClicks(fixture.window->activeDocument()->editor(), QStringLiteral("Z"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("blank 0*"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("A.cbl"));
    QCOMPARE(fixture.window->windowTitle(), QStringLiteral("blank 0[*]"));
}

void TestMainWindow::tabPopupClosesTheTabUnderTheMouse()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\n");
    const QString b = fixture.writeFile(QStringLiteral("B.cbl"), "B\n");
    fixture.window->openSourceFile(a);
    fixture.window->openSourceFile(b);
    QCOMPARE(fixture.window->activeDocument()->caption(), b);
    fixture.window->activeDocument()->editor()->setFocus();
    QTest::keyClicks(fixture.window->activeDocument()->editor(), QStringLiteral("X"));

    QTabBar *tabs = fixture.window->documentArea()->tabBar();
    QMenu *popup = fixture.window->documentArea()->tabMenu();
    emit tabs->customContextMenuRequested(tabs->tabRect(0).center());
    QTRY_VERIFY(popup->isVisible());
    QAction *close = popup->actions().constFirst();
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isVisible());
    close->trigger();
    popup->close();
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(fixture.window->activeDocument()->caption(), b);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("B.cbl*"));
    // The title keeps showing the front document's mark.
    QCOMPARE(fixture.window->windowTitle(), b + QStringLiteral("[*]"));
    QTRY_VERIFY(fixture.window->isWindowModified());
    QTest::qWait(50);
    QVERIFY(fixture.window->isWindowModified());
}

void TestMainWindow::tabsFollowDocuments()
{
    MainWindowFixture fixture;
    fixture.show();
    QStringList paths;
    for (const char *name : {"A.cbl", "B.cbl", "C.cbl"})
        paths.append(fixture.writeFile(QString::fromLatin1(name), "X\n"));
    for (const QString &path : paths)
        fixture.window->openSourceFile(path);
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 3);

    // Clicking the first tab brings its document to the front.
    QTest::mouseClick(fixture.window->documentArea()->tabBar(), Qt::LeftButton, {},
                      fixture.window->documentArea()->tabBar()->tabRect(0).center());
    QCOMPARE(fixture.window->activeDocument()->caption(), paths[0]);

    // Closing the middle one leaves the first and third.
    fixture.window->documentArea()->tabBar()->setCurrentIndex(1);
    QCOMPARE(fixture.window->activeDocument()->caption(), paths[1]);
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.window->documentArea()->tabs().LastTabIndex(), 1);
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(0), paths[0].toStdString());
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(1), paths[2].toStdString());
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 2);
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(1), QStringLiteral("C.cbl"));
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestMainWindow::selectingTheTabOfAMinimisedDocumentRestoresIt()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("A.cbl"), "A\n"));
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), "B\n"));
    fixture.window->runCommand(CommandId::MinimizeAll);
    const QList<QMdiSubWindow *> windows = fixture.window->documentArea()->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QVERIFY(windows[0]->isMinimized());
    QVERIFY(windows[1]->isMinimized());
    const int other = 1 - fixture.window->documentArea()->tabBar()->currentIndex();
    fixture.window->documentArea()->tabBar()->setCurrentIndex(other);
    QVERIFY(windows[other]->isMaximized());
    QCOMPARE(fixture.window->activeDocument()->caption(),
             fixture.path(other == 0 ? QStringLiteral("A.cbl") : QStringLiteral("B.cbl")));
}

void TestMainWindow::windowMenuListsTheDocuments()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("A.cbl"), "A\n"));
    fixture.window->runCommand(CommandId::New);
    QMenu *menu = fixture.window->commands()->windowMenu();
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QStringList entries;
    for (QAction *item : menu->actions()) {
        if (!item->isSeparator())
            entries.append(item->text());
    }
    QCOMPARE(entries.mid(5), (QStringList{QStringLiteral("&1 ") + fixture.path(QStringLiteral("A.cbl")),
                                          QStringLiteral("&2 blank 0")}));
    QVERIFY(menu->actions().constLast()->isChecked());
    menu->actions().at(menu->actions().size() - 2)->trigger();
    QCOMPARE(fixture.window->activeDocument()->caption(), fixture.path(QStringLiteral("A.cbl")));
}

void TestMainWindow::hidingTheToolbarFromItsPopup()
{
    MainWindowFixture fixture;
    fixture.show();
    QAction *hideItem = fixture.window->action(CommandId::HideToolbar);
    fixture.window->commands()->toolbarMenu()->actions().constFirst()->trigger();
    QVERIFY(!fixture.window->commands()->toolBar()->isVisible());
    QVERIFY(hideItem->isChecked());
    QVERIFY(!fixture.window->commands()->toolbarMenu()->actions().constFirst()->isCheckable());
    hideItem->trigger();
    QVERIFY(fixture.window->commands()->toolBar()->isVisible());
    QVERIFY(!hideItem->isChecked());
}

void TestMainWindow::statusPanelFollowsTheWidth()
{
    MainWindowFixture fixture;
    fixture.show();
    const QList<StatusPanel *> panels = fixture.window->statusBar()->findChildren<StatusPanel *>();
    QVERIFY(panels.size() >= 2);
    fixture.window->resize(901, 600);
    QCoreApplication::processEvents();
    QCOMPARE(panels[0]->width(), 300);   // 300.33 rounds down
    fixture.window->resize(1000, 600);
    QCoreApplication::processEvents();
    QCOMPARE(panels[0]->width(), 333);
    QCOMPARE(panels[1]->width(), 300);
}

void TestMainWindow::droppedFilesOpen()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\n");
    const QString b = fixture.writeFile(QStringLiteral("B.txt"), "B\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fixture.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fixture.window.get(), &drop);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.window->activeDocument()->caption(), b);
}

void TestMainWindow::aboutBoxShowsTheReadme()
{
    MainWindowFixture fixture;
    QCOMPARE(fixture.window->aboutBox()->readmeText(), QStringLiteral("Norvane test readme\n"));
    QCOMPARE(fixture.window->aboutBox()->windowTitle(), QStringLiteral("About"));
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestMainWindow::aboutBoxShowsTheReadmeUnwrapped()
{
    MainWindowFixture fixture;
    auto *text = fixture.window->aboutBox()->findChild<QPlainTextEdit *>();
    QVERIFY(text != nullptr);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(QFontInfo(text->font()).fixedPitch());
    // Room for readme.txt's 80 columns.
    QVERIFY(text->viewport()->width() >= text->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('M'))) ||
            text->minimumWidth() >= text->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('M'))));
}

void TestMainWindow::missingReadmeIsReportedAtStart()
{
    MainWindowFixture fixture(false);
    QCOMPARE(fixture.dialogs.asked().size(), 1);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("missing readme.txt"));
    QCOMPARE(fixture.dialogs.asked().constFirst().icon, Dialogs::Icon::Information);
    QVERIFY(fixture.window->aboutBox()->readmeText().isEmpty());
}

void TestMainWindow::helpShowsContentsAndSearches()
{
    MainWindowFixture fixture;
    fixture.show();
    QTest::keyClick(fixture.window.get(), Qt::Key_F1);
    HelpWindow *help = fixture.window->helpWindow();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QVERIFY(help->contents()->topLevelItemCount() >= 3);
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("line endings")));
    const QStringList found = help->search(QStringLiteral("LINE endings"));
    QVERIFY(found.contains(QStringLiteral("Line endings")));
    QVERIFY(help->search(QStringLiteral("zzzz-nothing")).isEmpty());
    help->close();
}

void TestMainWindow::activationFromASecondStartOpensItsFiles()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->showMinimized();
    const QString file = fixture.writeFile(QStringLiteral("PAY.CBL"), "PAY\n");
    fixture.window->activateFromOtherInstance({file});
    QVERIFY(!fixture.window->isMinimized());
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(fixture.window->activeDocument()->caption(), file);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
