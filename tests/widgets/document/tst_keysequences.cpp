#include "document/widgets/SourceEditor.h"
#include "support/KeyPresses.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

// The COBOL keys driven by the key events a desktop delivers: each modifier
// its own press and release, released before or after the key, keys rolled
// over and held down; and nothing of it changes a read-only editor.
class TestKeySequences : public QObject {
    Q_OBJECT

private slots:
    void modifiedKeys_data();
    void modifiedKeys();
    void enterWhileTheKeyBeforeIsStillDown_data();
    void enterWhileTheKeyBeforeIsStillDown();
    void typingOnBeforeShiftEnterComesUp();
    void heldKeysRepeatTheirRule_data();
    void heldKeysRepeatTheirRule();
    void enterWithIndentAndTrimIsOneUndoStep();
    void readOnlyDocumentIsNeverChanged();
    void tabInTheSplitViewDoesNothing();

private:
    struct Document {
        MainWindowFixture fixture;
        DocumentWindow *child = nullptr;
        SourceEditor *editor = nullptr;
        QString path;
    };
    static std::unique_ptr<Document> open(const QByteArray &text, int indent = 4)
    {
        auto document = std::make_unique<Document>();
        document->fixture.settings.IndentOption = indent;
        document->fixture.show();
        document->path = document->fixture.writeFile(QStringLiteral("K.cbl"), text);
        document->fixture.window->openSourceFile(document->path);
        document->child = document->fixture.window->activeDocument();
        document->editor = document->child->editor();
        document->editor->setFocus();
        return document;
    }
    static void caretAt(SourceEditor *editor, int line, int column)
    {
        editor->setSelStart(editor->lineIndex(line) + column);
    }
    static int column(SourceEditor *editor) { return editor->selStart() - editor->lineIndex(-1); }
    static int line(SourceEditor *editor) { return editor->lineFromChar(editor->selStart()); }
};

namespace {

const QByteArray Letters = "ABCDEFGHIJ\r\nKL\r\n";
const QByteArray Indented = "        X\r\n";

} // namespace

void TestKeySequences::modifiedKeys_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("resultLine");
    QTest::addColumn<int>("resultColumn");
    QTest::addColumn<QString>("clipboard");

    struct Row {
        const char *name;
        QByteArray text;
        int line, column, selected;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *result;
        int resultLine, resultColumn;
        const char *clipboard;
    };
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Row rows[] = {
        {"shift+enter indents the new line one indent further", Indented, 0, 9, 0, Qt::Key_Return, shift,
         "        X\r\n            \r\n", 1, 12, ""},
        {"ctrl+enter indents it one indent less", Indented, 0, 9, 0, Qt::Key_Return, ctrl, "        X\r\n    \r\n", 1,
         4, ""},
        {"shift+enter on the keypad", Indented, 0, 9, 0, Qt::Key_Enter, shift | Qt::KeypadModifier,
         "        X\r\n            \r\n", 1, 12, ""},
        {"shift+tab moves the caret left", Letters, 0, 6, 0, Qt::Key_Backtab, shift, Letters.constData(), 0, 2, ""},
        {"ctrl+tab does nothing", Letters, 0, 6, 0, Qt::Key_Tab, ctrl, Letters.constData(), 0, 6, ""},
        {"alt+tab does nothing", Letters, 0, 6, 0, Qt::Key_Tab, Qt::AltModifier, Letters.constData(), 0, 6, ""},
        {"ctrl+shift+tab does nothing", Letters, 0, 6, 0, Qt::Key_Backtab, ctrl | shift, Letters.constData(), 0, 6,
         ""},
        {"shift+backspace goes back the indent length", Letters, 0, 6, 0, Qt::Key_Backspace, shift,
         "ABGHIJ\r\nKL\r\n", 0, 2, ""},
        {"shift+backspace stops at the line start", Letters, 0, 2, 0, Qt::Key_Backspace, shift,
         "CDEFGHIJ\r\nKL\r\n", 0, 0, ""},
        {"shift+delete deletes the indent length", Letters, 0, 2, 0, Qt::Key_Delete, shift, "ABGHIJ\r\nKL\r\n", 0, 2,
         ""},
        {"shift+delete with a selection only cuts it", Letters, 0, 2, 3, Qt::Key_Delete, shift,
         "ABFGHIJ\r\nKL\r\n", 0, 2, "CDE"},
    };
    for (const Row &row : rows) {
        for (const Release order : {Release::ModifiersFirst, Release::KeyFirst}) {
            const QByteArray name = QByteArray(row.name) +
                                    (order == Release::ModifiersFirst ? ", modifiers up first" : ", key up first");
            QTest::newRow(name.constData())
                << row.text << row.line << row.column << row.selected << int(row.key) << int(row.modifiers)
                << int(order) << QString::fromLatin1(row.result) << row.resultLine << row.resultColumn
                << QString::fromLatin1(row.clipboard);
        }
    }
}

void TestKeySequences::modifiedKeys()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, order);
    QFETCH(QString, result);
    QFETCH(int, resultLine);
    QFETCH(int, resultColumn);
    QFETCH(QString, clipboard);
    auto doc = open(text);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    doc->editor->setSelection(doc->editor->lineIndex(line) + column, selected);

    chord(doc->editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers), Release(order));

    QCOMPARE(doc->editor->text(), result);
    QCOMPARE(TestKeySequences::line(doc->editor), resultLine);
    QCOMPARE(TestKeySequences::column(doc->editor), resultColumn);
    QVERIFY(doc->editor->hasFocus());
    QCOMPARE(QApplication::clipboard()->text(), clipboard.isEmpty() ? QStringLiteral("before") : clipboard);
    // The status bar follows the caret once the key is handled.
    QCOMPARE(doc->fixture.window->statusPanel(1),
             QStringLiteral(" line %1 column %2").arg(resultLine + 1).arg(resultColumn + 1));
    QCOMPARE(doc->fixture.window->action(CommandId::Save)->isEnabled(), result != QString::fromLatin1(text));
    // Whatever the key changed, one Undo takes back.
    doc->editor->undo();
    QCOMPARE(doc->editor->text(), QString::fromLatin1(text));
}

void TestKeySequences::enterWhileTheKeyBeforeIsStillDown_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("full stop") << QByteArray("        MOVE A TO B\r\n") << '.'
                               << QStringLiteral("        MOVE A TO B.\r\n        \r\n");
    QTest::newRow("blank, trimmed") << QByteArray("        MOVE A TO B.\r\n") << ' '
                                    << QStringLiteral("        MOVE A TO B.\r\n        \r\n");
}

// Fast typing: the next key goes down before the last one came up.
void TestKeySequences::enterWhileTheKeyBeforeIsStillDown()
{
    QFETCH(QByteArray, text);
    QFETCH(char, typed);
    QFETCH(QString, result);
    auto doc = open(text);
    caretAt(doc->editor, 0, static_cast<int>(text.size()) - 2);
    const auto typedKey = static_cast<Qt::Key>(typed);
    keyDown(doc->editor, typedKey);
    keyDown(doc->editor, Qt::Key_Return);
    keyUp(doc->editor, typedKey);
    keyUp(doc->editor, Qt::Key_Return);
    QCOMPARE(doc->editor->text(), result);
    QCOMPARE(line(doc->editor), 1);
    QCOMPARE(column(doc->editor), 8);
}

void TestKeySequences::typingOnBeforeShiftEnterComesUp()
{
    auto doc = open(Indented);
    caretAt(doc->editor, 0, 9);
    keyDown(doc->editor, Qt::Key_Shift);
    keyDown(doc->editor, Qt::Key_Return, Qt::ShiftModifier);
    keyUp(doc->editor, Qt::Key_Shift, Qt::ShiftModifier);
    keyDown(doc->editor, Qt::Key_M);
    keyUp(doc->editor, Qt::Key_Return);
    keyUp(doc->editor, Qt::Key_M);
    QCOMPARE(doc->editor->text(), QStringLiteral("        X\r\n            m\r\n"));
}

void TestKeySequences::heldKeysRepeatTheirRule_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("resultColumn");
    QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << 1
                         << QStringLiteral("A      BCDEFGHIJKLMNOP\r\n") << 7;
    QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 13
                               << QStringLiteral("ABCDEFGHIJKLMNOP\r\n") << 7;
    QTest::newRow("shift+backspace") << int(Qt::Key_Backspace) << int(Qt::ShiftModifier) << 14
                                     << QStringLiteral("ABCDEFGHOP\r\n") << 8;
    QTest::newRow("shift+delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << 2
                                  << QStringLiteral("ABIJKLMNOP\r\n") << 2;
}

// Holding a key down: the desktop repeats its press (and, on X11, its release).
void TestKeySequences::heldKeysRepeatTheirRule()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, column);
    QFETCH(QString, result);
    QFETCH(int, resultColumn);
    auto doc = open("ABCDEFGHIJKLMNOP\r\n", 3);
    caretAt(doc->editor, 0, column);
    const auto held = Qt::KeyboardModifiers(modifiers);
    if (held & Qt::ShiftModifier)
        keyDown(doc->editor, Qt::Key_Shift);
    keyDown(doc->editor, Qt::Key(key), held);
    keyUp(doc->editor, Qt::Key(key), held, true);
    keyDown(doc->editor, Qt::Key(key), held, true);
    keyUp(doc->editor, Qt::Key(key), held);
    if (held & Qt::ShiftModifier)
        keyUp(doc->editor, Qt::Key_Shift, held);
    QCOMPARE(doc->editor->text(), result);
    QCOMPARE(TestKeySequences::column(doc->editor), resultColumn);
}

void TestKeySequences::enterWithIndentAndTrimIsOneUndoStep()
{
    const QByteArray text = "        MOVE A TO B.   \r\n";
    auto doc = open(text);
    caretAt(doc->editor, 0, 23);
    chord(doc->editor, Qt::Key_Return, Qt::NoModifier, Release::KeyFirst);
    QCOMPARE(doc->editor->text(), QStringLiteral("        MOVE A TO B.\r\n        \r\n"));
    doc->editor->undo();
    QCOMPARE(doc->editor->text(), QString::fromLatin1(text));
    QVERIFY(!doc->editor->isModified());
    doc->editor->redo();
    QCOMPARE(doc->editor->text(), QStringLiteral("        MOVE A TO B.\r\n        \r\n"));
}

// Read Only mode refuses every change by key, command, paste or undo; after
// Update mode and Save the file is as it was.
void TestKeySequences::readOnlyDocumentIsNeverChanged()
{
    const QByteArray text = "        MOVE A TO B.   \r\n        X\r\n";
    auto doc = open(text);
    SourceEditor *editor = doc->editor;
    MainWindow &window = *doc->fixture.window;
    // An edit, so that there is something to undo, saved so the file holds it.
    caretAt(editor, 1, 9);
    typeCharacter(editor, 'Y');
    window.runCommand(CommandId::Save);
    const QString saved = editor->text();
    QCOMPARE(doc->fixture.readFile(doc->path), text.left(text.size() - 2) + "Y\r\n");

    window.runCommand(CommandId::ReadOnlyMode);
    QVERIFY(editor->isReadOnly());
    editor->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("PASTED"));
    caretAt(editor, 0, 23);
    for (const Release order : {Release::ModifiersFirst, Release::KeyFirst}) {
        chord(editor, Qt::Key_Tab, Qt::NoModifier, order);
        chord(editor, Qt::Key_Return, Qt::NoModifier, order);
        chord(editor, Qt::Key_Return, Qt::ShiftModifier, order);
        chord(editor, Qt::Key_Return, Qt::ControlModifier, order);
        chord(editor, Qt::Key_Backspace, Qt::ShiftModifier, order);
        chord(editor, Qt::Key_Backspace, Qt::NoModifier, order);
        chord(editor, Qt::Key_Delete, Qt::ShiftModifier, order);
        chord(editor, Qt::Key_Delete, Qt::NoModifier, order);
        chord(editor, Qt::Key_V, Qt::ControlModifier, order);
        chord(editor, Qt::Key_Insert, Qt::ShiftModifier, order);
        chord(editor, Qt::Key_Z, Qt::ControlModifier, order);
        chord(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, order);
        typeCharacter(editor, 'Q');
        QCOMPARE(editor->text(), saved);
    }
    // Shift+Delete with a selection: the standard Cut, refused.
    editor->setSelection(0, 12);
    chord(editor, Qt::Key_Delete, Qt::ShiftModifier, Release::ModifiersFirst);
    QCOMPARE(editor->text(), saved);
    // The commands.
    editor->selectAllText();
    for (const CommandId command : {CommandId::Indent, CommandId::Unindent, CommandId::Comment, CommandId::Uncomment,
                                    CommandId::Paste, CommandId::Cut, CommandId::Undo, CommandId::UndoButton}) {
        window.runCommand(command);
        QVERIFY2(editor->text() == saved, std::string(commandName(command)).c_str());
    }
    editor->paste();
    QCOMPARE(editor->text(), saved);
    QCOMPARE(window.statusPanel(0), QStringLiteral("Read Only   "));

    window.runCommand(CommandId::UpdateMode);
    QVERIFY(!editor->isReadOnly());
    QCOMPARE(editor->text(), saved);
    window.runCommand(CommandId::Save);
    QCOMPARE(doc->fixture.readFile(doc->path), text.left(text.size() - 2) + "Y\r\n");
}

void TestKeySequences::tabInTheSplitViewDoesNothing()
{
    const QByteArray text = "        MOVE A TO B.\r\n        X\r\n";
    auto doc = open(text);
    SourceEditor *split = doc->child->splitView();
    QTest::keySequence(doc->fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+J")));
    QVERIFY(split->isVisible());
    QCOMPARE(QApplication::focusWidget(), split);
    for (const Release order : {Release::ModifiersFirst, Release::KeyFirst}) {
        chord(nullptr, Qt::Key_Tab, Qt::NoModifier, order);
        chord(nullptr, Qt::Key_Backtab, Qt::ShiftModifier, order);
        chord(nullptr, Qt::Key_Return, Qt::NoModifier, order);
        chord(nullptr, Qt::Key_Backspace, Qt::ShiftModifier, order);
        chord(nullptr, Qt::Key_Delete, Qt::ShiftModifier, order);
    }
    QCOMPARE(QApplication::focusWidget(), split);
    QCOMPARE(doc->editor->text(), QString::fromLatin1(text));
    QCOMPARE(split->text(), QString::fromLatin1(text));
    QVERIFY(!doc->editor->isModified());
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Read Only   "));
}

QTEST_MAIN(TestKeySequences)
#include "tst_keysequences.moc"
