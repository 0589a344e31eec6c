// The macro editor on real widgets and real files: the list and its slots, save and load,
// step editing, the file operations and their messages.
#include "kestaction.h"
#include "kestgunsetdialog.h"
#include "keycodes.h"
#include "kestpushbutton.h"
#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "macrodialog.h"
#include "macrofixture.h"
#include "../debuglines.h"
#include "profilefiles.h"
#include "profileio.h"
#include "scale.h"
#include "stagedfile.h"
#include "../store/sizelimit.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr quint32 kEvdevKey9 = 10;

const char *const kForbiddenName =
    "A file name cannot hold / \\ : * ? \" < > | or a control character, nor be \".\" or \"..\".";

// Every file under folder, as paths below it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString rows(const MacroDialog &dialog)
{
    QStringList parts;
    for (int r = 0; r < dialog.stepCount(); ++r) {
        const MacroStep s = dialog.stepAt(r);
        parts << QString("%1,%2,%3").arg(s.type).arg(s.dataH).arg(s.dataL);
    }
    return parts.join(" ");
}

void click(KestPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

QByteArray bytesOf(const QString &path)
{
    QByteArray text;
    ReadWholeFile(path, text);
    return text;
}

// The names in Config.ini's MACRO_LIST as its bytes hold them, in slot order.
QStringList listedInFile()
{
    const QByteArray text = bytesOf(ConfigIniPath());
    const int start = text.indexOf("[MACRO_LIST]\n");
    if (start < 0)
        return {};
    QStringList names;
    for (const QByteArray &line : text.mid(start).split('\n').mid(1)) {
        if (line.isEmpty() || line.startsWith('['))
            break;
        const QByteArray name = line.mid(line.indexOf('=') + 1);
        if (!name.isEmpty())
            names << QString::fromUtf8(name);
    }
    return names;
}

QStringList listRows(const MacroDialog &dialog)
{
    QStringList names;
    for (int row = 0; row < dialog.m_pList->count(); ++row)
        names << dialog.m_pList->item(row)->text();
    return names;
}

void writeMacro(const QString &name, const QVector<MacroStep> &steps, int count = -1)
{
    MacroFile macro;
    macro.steps = steps;
    QVERIFY(!WriteMacroFile(name, macro).isEmpty());
    if (count >= 0)
        QSettings(MacroFilePath(name), QSettings::IniFormat).setValue("Setting/Count", count);
}

// Every macro of the list ticked in BATCH mode and exported into `folder`: the boxes' texts.
QStringList exportAllInBatch(const QString &folder)
{
    MacroDialog dialog(nullptr);
    dialog.m_pBatchCheck->click();
    for (int row = 0; row < dialog.m_pList->count(); ++row)
        qobject_cast<QCheckBox *>(dialog.m_pList->itemWidget(dialog.m_pList->item(row)))->setChecked(true);
    Boxes boxes;
    dialog.exportCheckedMacros(folder);
    return boxes.texts;
}

// Answers the gun-set dialog once it is up: the name typed, Yes pressed.
void answerGunSet(const QString &name)
{
    QTimer::singleShot(20, [name] {
        auto *gun = qobject_cast<KestGunsetDialog *>(QApplication::activeModalWidget());
        if (!gun) {
            answerGunSet(name);
            return;
        }
        gun->fileNameEdit->setText(name);
        QTest::mouseClick(gun->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
    });
}

// Every macro file's bytes, by file name.
QMap<QString, QByteArray> macroFiles()
{
    QMap<QString, QByteArray> files;
    const QDir folder = QFileInfo(MacroFilePath("x")).absoluteDir();
    for (const QString &file : folder.entryList(QDir::Files)) {
        QFile f(folder.filePath(file));
        if (f.open(QIODevice::ReadOnly))
            files.insert(file, f.readAll());
    }
    return files;
}

QString fileRows(const QString &name)
{
    QStringList parts;
    for (const MacroStep &s : ReadMacroFile(name).steps)
        parts << QString("%1,%2,%3").arg(s.type).arg(s.dataH).arg(s.dataL);
    return parts.join(" ");
}

// A press and release on the list row that shows name, as a user clicks it.
void clickListRow(MacroDialog &dialog, const QString &name)
{
    for (int row = 0; row < dialog.m_pList->count(); ++row) {
        QListWidgetItem *item = dialog.m_pList->item(row);
        if (item->text() == name) {
            QTest::mouseClick(dialog.m_pList->viewport(), Qt::LeftButton, {},
                              dialog.m_pList->visualItemRect(item).center());
            return;
        }
    }
    QFAIL(qPrintable("no row " + name));
}

} // namespace

class MacroDialogTest : public QObject {
    Q_OBJECT

private slots:
    void newNumbersAndReusesSlots()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "name_1"}, {"MACRO_LIST/1", "keep"}, {"MACRO_LIST/2", "name_3"}});
        writeMacro("name_1", {});
        writeMacro("name_3", {});
        MacroDialog dialog(nullptr);
        RemoveFromMacroList("keep");
        click(dialog.m_pNewButton);
        QCOMPARE(GetMacroListEntry(1), QString("name_2"));
        QCOMPARE(dialog.currentListName(), QString("name_2"));
        QVERIFY(FileExists(MacroFilePath("name_2")));
        QCOMPARE(dialog.m_pDefaultDelayEdit->text(), QString("10"));
    }

    void fiftyMacros()
    {
        QVariantMap config;
        for (int i = 0; i < kMacroListSize; ++i)
            config.insert(QString("MACRO_LIST/%1").arg(i), QString("m%1").arg(i));
        MacroFixture fixture({}, config);
        MacroDialog dialog(nullptr);
        QCOMPARE(dialog.m_pList->count(), 50);
        Boxes boxes;
        click(dialog.m_pNewButton);
        QCOMPARE(boxes.texts, QStringList{"TOO MANY MACROS TO BE CREATE!"});
        // Import refuses too, instead of leaving a file no slot names.
        QTemporaryDir outside;
        const QString source = outside.filePath("extra.MSMACRO");
        QSettings(source, QSettings::IniFormat).setValue("Setting/Count", 0);
        dialog.importMacros({source});
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(boxes.texts.last(), QString("TOO MANY MACROS TO BE CREATE!"));
        QVERIFY(!FileExists(MacroFilePath("extra")));
    }

    // Save then load gives back the editor's rows; skipped file steps leave empty rows.
    void saveAndLoad()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {});
        MacroDialog dialog(nullptr);
        dialog.InsertMouseButtonStep(0, false, -1);
        dialog.InsertMoveStep(kMoveLeft, 120, -1);
        dialog.InsertMoveStep(kMoveUp, 1, -1);
        dialog.InsertDelayStep(3000);
        dialog.InsertMouseButtonStep(0, true, -1);
        const QString built = rows(dialog);
        QCOMPARE(built, QString("129,0,1 2,0,136 2,255,0 6,1,44 1,0,1"));
        QString name = "m";
        QVERIFY(dialog.SaveMacroFile(name));
        QCOMPARE(name, MacroFilePath("m"));
        const MacroFile file = ReadMacroFile("m");
        QCOMPARE(int(file.steps[0].type), 1);  // a table press is a file press
        QCOMPARE(int(file.steps[4].type), 129);
        dialog.ClearStepTable();
        dialog.LoadMacroFile();
        QCOMPARE(rows(dialog), built);
        QCOMPARE(dialog.currentRow(), 4);

        writeMacro("m", {{9, 0, 0}, {1, 0, 3}, {132, 0, 4}, {9, 0, 0}});
        dialog.LoadMacroFile();
        QCOMPARE(dialog.stepCount(), 3);  // two empty rows, then the key; the last skip leaves none
        QCOMPARE(dialog.m_pModel->index(0, 0).data().toString(), QString());
        QCOMPARE(rows(dialog).section(' ', 2), QString("132,0,4"));

        // A huge Count builds no more than 63 rows.
        QSettings big(MacroFilePath("m"), QSettings::IniFormat);
        for (int i = 0; i < 70; ++i)
            big.setValue(QString("Setting/Map_%1").arg(i), 6);
        big.setValue("Setting/Count", 1000000);
        big.sync();
        dialog.LoadMacroFile();
        QCOMPARE(dialog.stepCount(), 63);
    }

    void failedWriteIsReported()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        // A file where the folder should be: nothing can be written into MacroDB.
        QFile blocker(GetConfigDir() + "/MacroDB");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(WriteMacroFile("m", MacroFile()).isEmpty());
        MacroDialog dialog(nullptr);
        Boxes boxes;
        click(dialog.m_pNewButton);
        QCOMPARE(boxes.texts, QStringList{"The file could not be written."});
        QCOMPARE(ReadMacroList().count(QString()), 49);  // no slot taken
        click(dialog.m_pSaveButton);
        QCOMPARE(boxes.texts.size(), 2);
    }

    // Config.ini refuses the new slot: the box, and the list shows only what the file holds;
    // the next new macro is listed in the file and the list alike.
    void refusedListWriteKeepsTheList()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {});
        QByteArray before;
        QVERIFY(ReadWholeFile(ConfigIniPath(), before));
        MacroDialog dialog(nullptr);
        Boxes boxes;
        const QString config = ConfigIniPath();
        SetSyncFailsForTesting([config](const QString &target) { return target == config; });
        click(dialog.m_pNewButton);
        SetSyncFailsForTesting({});
        QCOMPARE(boxes.texts, QStringList{"The file could not be written."});
        QCOMPARE(listRows(dialog), QStringList{"m"});
        QCOMPARE(bytesOf(ConfigIniPath()), before);

        click(dialog.m_pNewButton);
        QCOMPARE(boxes.texts.size(), 1);
        const QStringList shown = listRows(dialog);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(listedInFile(), shown);
    }

    void stepEditing()
    {
        MacroFixture fixture({{"PROFILE/MinDelay", 0}}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{6, 0, 1}, {2, 251, 0}, {1, 0, 1}});
        MacroDialog dialog(nullptr);
        QCOMPARE(dialog.minDelay(), 10);  // MinDelay 0 in the description
        QSignalSpy lock(&dialog, &MacroDialog::EnableButtonsSignal);
        dialog.m_pTable->selectRow(0);
        dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(0, 0), QItemSelectionModel::NoUpdate);
        click(dialog.m_pEditButton);
        QCOMPARE(lock.takeFirst().at(0).toBool(), false);
        QVERIFY(dialog.isEditMode());
        QCOMPARE(dialog.m_pStepDelayEdit->text(), QString("10"));
        dialog.m_pStepDelayEdit->setText("95");
        QCOMPARE(rows(dialog).section(' ', 0, 0), QString("6,0,9"));
        dialog.m_pStepDelayEdit->setText("3000");
        QCOMPARE(rows(dialog).section(' ', 0, 0), QString("6,1,44"));

        dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(1, 0), QItemSelectionModel::NoUpdate);
        QCOMPARE(dialog.m_pStepMoveButton->buttonText(), QString("MOVE UP"));
        QCOMPARE(dialog.m_pStepDistanceEdit->text(), QString("5"));
        dialog.m_pStepDistanceEdit->setText("500");  // clamped to 120, never a wrapped byte
        QCOMPARE(rows(dialog).section(' ', 1, 1), QString("2,136,0"));
        dialog.m_pMoveActions[kMoveRight]->trigger();
        QCOMPARE(rows(dialog).section(' ', 1, 1), QString("2,0,120"));

        dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(2, 0), QItemSelectionModel::NoUpdate);
        QCOMPARE(dialog.m_pStepMouseButton->buttonText(), QString("LEFT CLICK"));
        dialog.m_pButtonActions[2]->trigger();  // RIGHT CLICK: only DataL changes
        QCOMPARE(rows(dialog).section(' ', 2, 2), QString("129,0,2"));

        click(dialog.m_pSaveButton);
        QVERIFY(!dialog.isEditMode());
        QCOMPARE(lock.takeLast().at(0).toBool(), true);
        const MacroFile file = ReadMacroFile("m");
        QCOMPARE(int(file.steps[2].type), 1);
        QCOMPARE(int(file.steps[0].dataL), 44);
    }

    // A stored distance opens as stored, past what typing allows; typing stays bounded.
    void storedDistanceShown_data()
    {
        QTest::addColumn<int>("dataH");
        QTest::addColumn<int>("dataL");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("distance");
        QTest::newRow("up 135") << 121 << 0 << "MOVE UP" << "135";
        QTest::newRow("left 135") << 0 << 121 << "MOVE LEFT" << "135";
        QTest::newRow("left 56") << 0 << 200 << "MOVE LEFT" << "56";
        QTest::newRow("down 120") << 120 << 0 << "MOVE DOWN" << "120";
    }
    void storedDistanceShown()
    {
        QFETCH(int, dataH);
        QFETCH(int, dataL);
        QFETCH(QString, direction);
        QFETCH(QString, distance);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{2, quint8(dataH), quint8(dataL)}});
        MacroDialog dialog(nullptr);
        dialog.m_pTable->selectRow(0);
        dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(0, 0), QItemSelectionModel::NoUpdate);
        click(dialog.m_pEditButton);
        QCOMPARE(dialog.m_pStepMoveButton->buttonText(), direction);
        QCOMPARE(dialog.m_pStepDistanceEdit->text(), distance);
        QCOMPARE(rows(dialog), QString("2,%1,%2").arg(dataH).arg(dataL));
        dialog.m_pStepDistanceEdit->selectAll();
        QTest::keyClicks(dialog.m_pStepDistanceEdit, "500");
        QCOMPARE(dialog.m_pStepDistanceEdit->text(), QString("120"));
    }

    // A number typed into one of the editor's fields goes on within the field's range, however
    // its validator let the text stand: into the file (LOOPS TIME, default delay) and into the
    // rows (the default delay a tree click inserts, a step's delay and distance, a tree row's
    // distance). The unit is 10 ms; the macro holds a delay of 10 ms and MOVE UP 5. Once SAVE
    // has taken it, the field shows the number that went on.
    void typedNumbersKeptInRange_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("shown");
        const char *const loops[][3] = {{"0", "1", "1"},       {"1", "1", "1"},     {"255", "255", "255"},
                                        {"256", "255", "255"}, {"300", "255", "255"}, {"", "1", "1"}};
        for (const auto &row : loops)
            QTest::addRow("loop count '%s'", row[0]) << "loopCountEdit" << row[0] << row[1] << row[2];
        // The file's DefaultDelay, then the delay a tree click inserted.
        const char *const defaults[][3] = {{"0", "0 6,0,0", "0"},
                                           {"1", "1 6,0,0", "1"},
                                           {"65535", "65535 6,25,153", "65535"},
                                           {"65536", "65535 6,25,153", "65535"},
                                           {"99999", "65535 6,25,153", "65535"},
                                           {"", "0 6,0,0", "0"}};
        for (const auto &row : defaults)
            QTest::addRow("default delay '%s'", row[0]) << "defaultDelayEdit" << row[0] << row[1] << row[2];
        const char *const delays[][3] = {{"0", "6,0,1", "10"},           {"10", "6,0,1", "10"},
                                         {"65535", "6,25,153", "65535"}, {"65536", "6,25,153", "65535"},
                                         {"99999", "6,25,153", "65535"}, {"", "6,0,1", "10"}};
        for (const auto &row : delays)
            QTest::addRow("step delay '%s'", row[0]) << "stepDelayEdit" << row[0] << row[1] << row[2];
        const char *const distances[][3] = {{"0", "2,255,0", "1"},     {"1", "2,255,0", "1"},
                                            {"120", "2,136,0", "120"}, {"121", "2,136,0", "120"},
                                            {"300", "2,136,0", "120"}, {"", "2,255,0", "1"}};
        for (const auto &row : distances) {
            QTest::addRow("step distance '%s'", row[0]) << "stepDistanceEdit" << row[0] << row[1] << row[2];
            QTest::addRow("tree distance '%s'", row[0]) << "distanceEdit" << row[0] << row[1] << row[2];
        }
    }
    void typedNumbersKeptInRange()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QString, shown);
        MacroFixture fixture({{"PROFILE/MinDelay", 10}}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{kStepDelay, 0, 1}, {kStepMove, 251, 0}});
        MacroDialog dialog(nullptr);
        const bool stepField = field.startsWith("step");
        if (stepField) {
            const int row = field == "stepDelayEdit" ? 0 : 1;
            dialog.m_pTable->selectRow(row);
            dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(row, 0), QItemSelectionModel::NoUpdate);
            click(dialog.m_pEditButton);
        }
        if (field == "defaultDelayEdit")
            dialog.m_pDefaultDelayCheck->click();  // a tree click inserts the default delay
        QLineEdit *edit = field == "distanceEdit" ? dialog.m_pMoveRows[kMoveUp]->distanceEdit()
                                                  : dialog.findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, typed);
        if (field == "distanceEdit" || field == "defaultDelayEdit")
            emit dialog.m_pMoveRows[kMoveUp]->KestMousePressed();
        if (stepField)
            QCOMPARE(rows(dialog).section(' ', field == "stepDelayEdit" ? 0 : 1).section(' ', 0, 0), result);
        if (field == "distanceEdit")
            QCOMPARE(rows(dialog).section(' ', 2), result);
        click(dialog.m_pSaveButton);
        const QSettings file(MacroFilePath("m"), QSettings::IniFormat);
        if (field == "loopCountEdit")
            QCOMPARE(file.value("Setting/LoopTime").toString(), result);
        if (field == "defaultDelayEdit")
            QCOMPARE(file.value("Setting/DefaultDelay").toString() + " " + rows(dialog).section(' ', 3), result);
        QCOMPARE(edit->text(), shown);
    }

    // A clamp is logged once for the value handed on, not for each text on the way: typing
    // 99999 into a step's delay passes 9, below its 10 ms. The value goes on when SAVE is
    // pressed or another row is chosen; that row's stored distance of 135, past what typing
    // allows, was not typed and is neither clamped nor logged.
    void oneClampLinePerValue_data()
    {
        QTest::addColumn<bool>("otherRow");
        QTest::newRow("then SAVE") << false;
        QTest::newRow("then another row, then SAVE") << true;
    }
    void oneClampLinePerValue()
    {
        QFETCH(bool, otherRow);
        MacroFixture fixture({{"PROFILE/MinDelay", 10}}, {{"MACRO_LIST/0", "m"}});
        MacroFile macro;
        macro.steps = {{kStepMove, 121, 0}, {kStepDelay, 0, 1}};
        macro.loopTime = 1;  // nothing else to clamp
        QVERIFY(!WriteMacroFile("m", macro).isEmpty());
        MacroDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.currentRow(), 1);
        click(dialog.m_pEditButton);
        QCOMPARE(QApplication::focusWidget(), dialog.m_pStepDelayEdit);
        dialog.m_pStepDelayEdit->selectAll();
        QLoggingCategory::setFilterRules("veskaro.*.debug=true");
        DebugLines lines;
        for (int i = 0; i < 5; ++i) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_9, Qt::NoModifier, kEvdevKey9 + 8, 0, 0, "9");
                QCoreApplication::sendEvent(dialog.windowHandle(), &key);
            }
        }
        QCOMPARE(dialog.m_pStepDelayEdit->text(), QString("99999"));
        if (otherRow) {
            dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(0, 0), QItemSelectionModel::NoUpdate);
            QCOMPARE(dialog.m_pStepDistanceEdit->text(), QString("135"));
        }
        click(dialog.m_pSaveButton);
        QStringList clamps = lines.take().filter("out of range");
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(clamps, QStringList{"veskaro.macro: stepDelayEdit 99999 out of range, clamped to 65535"});
        QCOMPARE(fileRows("m"), QString("2,121,0 6,25,153"));
    }

    void moveAndDeleteRows()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{6, 0, 1}, {6, 0, 2}, {6, 0, 3}});
        MacroDialog dialog(nullptr);
        QCOMPARE(dialog.currentRow(), 2);
        click(dialog.m_pMoveDownButton);
        QCOMPARE(rows(dialog), QString("6,0,1 6,0,2 6,0,3"));
        click(dialog.m_pTopButton);
        QCOMPARE(rows(dialog), QString("6,0,3 6,0,1 6,0,2"));
        QCOMPARE(dialog.currentRow(), 0);
        click(dialog.m_pMoveUpButton);
        QCOMPARE(rows(dialog), QString("6,0,3 6,0,1 6,0,2"));
        click(dialog.m_pBottomButton);
        click(dialog.m_pDeleteStepButton);
        QCOMPARE(rows(dialog), QString("6,0,1 6,0,2"));
        QCOMPARE(dialog.currentRow(), 1);
    }

    // Tree insertions: a pair with its delays after the current row, and never past 63 rows.
    void commandTree()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{6, 0, 9}});
        MacroDialog dialog(nullptr);
        dialog.m_pDefaultDelayCheck->click();
        QCOMPARE(dialog.delayType(), 2);
        dialog.m_pDefaultDelayEdit->setText("30");
        QTreeWidgetItem *left = dialog.m_pTreeRows[0];
        dialog.TreeitemClick(left, 0);  // opens the row
        QCOMPARE(dialog.stepCount(), 1);
        dialog.TreeitemClick(left, 0);
        QCOMPARE(rows(dialog), QString("6,0,9 129,0,1 6,0,3 1,0,1 6,0,3"));
        dialog.m_pMoveRows[kMoveUp]->distanceEdit()->setText("7");
        emit dialog.m_pMoveRows[kMoveUp]->KestMousePressed();
        QCOMPARE(rows(dialog).section(' ', 5), QString("2,249,0 6,0,3"));
        while (dialog.stepCount() < 62)
            dialog.InsertDelayStep(10);
        dialog.TreeitemClick(left, 0);  // four rows would not fit
        QCOMPARE(dialog.stepCount(), 62);
        dialog.InsertDelayStep(10);
        dialog.InsertDelayStep(10);
        QCOMPARE(dialog.stepCount(), 63);
    }

    void renameMacro_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");  // empty: refused, with this box
        QTest::addColumn<QString>("refusal");
        QTest::newRow("free name") << "fresh" << "fresh" << "";
        QTest::newRow("clash") << "def" << "def_3" << "";
        QTest::newRow("empty") << "" << "" << "Please input file name.";
        QTest::newRow("leaves the folder") << "../x" << "" << kForbiddenName;
    }
    void renameMacro()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QString, refusal);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "old"}, {"MACRO_LIST/1", "def"}, {"Config/FileName_0", "P"}});
        writeMacro("old", {{6, 0, 1}});
        writeMacro("def", {});
        writeMacro("def_2", {});
        ProfileRecord record;
        record.buttonInfo[0].Fun = 200;
        record.buttonInfo[0].macroname = "old";
        QCOMPARE(WriteProfileFile(record, "P"), kStoreOk);
        g_deviceConfig.profileFiles[0] = "P";
        g_deviceConfig.profiles[2].buttonInfo[3].macroname = "old";
        MacroDialog dialog(nullptr);
        dialog.m_pList->setCurrentRow(0);
        dialog.m_pNameEdit->setText(typed);
        Boxes boxes;
        click(dialog.m_pRenameButton);
        if (result.isEmpty()) {
            QCOMPARE(boxes.texts, QStringList{refusal});
            QCOMPARE(GetMacroListEntry(0), QString("old"));
            QVERIFY(FileExists(MacroFilePath("old")));
            return;
        }
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(GetMacroListEntry(0), result);
        QCOMPARE(dialog.m_pList->item(0)->text(), result);
        QVERIFY(!FileExists(MacroFilePath("old")));
        QCOMPARE(ReadMacroFile(result).steps.size(), 1);
        QCOMPARE(g_deviceConfig.profiles[2].buttonInfo[3].macroname, result);
        ProfileRecord stored;
        ReadProfileFile(stored, "P");
        QCOMPARE(stored.buttonInfo[0].macroname, result);
    }

    void deleteMacro()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/3", "only"}});
        writeMacro("only", {{6, 0, 1}});
        MacroDialog dialog(nullptr);
        QCOMPARE(dialog.stepCount(), 1);
        click(dialog.m_pDeleteMacroButton);
        QCOMPARE(dialog.m_pList->count(), 0);
        QCOMPARE(dialog.stepCount(), 0);
        QVERIFY(!FileExists(MacroFilePath("only")));
        QCOMPARE(GetMacroListEntry(3), QString());
        // START with no macro only swaps the buttons; nothing is captured or locked.
        QSignalSpy lock(&dialog, &MacroDialog::EnableButtonsSignal);
        click(dialog.m_pStartButton);
        QVERIFY(!dialog.hasKeyboardHook());
        QCOMPARE(lock.count(), 0);
    }

    // Whatever refilled or changed the list, DELETE and SAVE act on the macro the editor shows;
    // each other macro file stays byte for byte as it was.
    void actionsTakeTheShownMacro_data()
    {
        QTest::addColumn<QString>("refill");
        QTest::addColumn<bool>("save");       // else DELETE (macro)
        QTest::addColumn<QString>("target");  // the one file deleted or written
        const struct {
            const char *refill;
            const char *target;
        } cases[] = {{"batch on and off", "m02"},
                     {"batch import", "m02"},
                     {"import, batch on and off", "extra"},
                     {"rename, batch on and off", "renamed"},
                     {"delete, batch on and off", "imported_one"},
                     {"gun set in batch", "recoil"},
                     {"language change in batch", "m02"},
                     {"shown macro unlisted, batch on and off", "Copy Paste"},  // the first row loaded
                     {"drag from row to row", "imported_one"}};                 // the row pressed
        for (const auto &c : cases) {
            QTest::newRow(qPrintable(QString("%1, DELETE").arg(c.refill))) << c.refill << false << c.target;
            QTest::newRow(qPrintable(QString("%1, SAVE").arg(c.refill))) << c.refill << true << c.target;
        }
    }
    void actionsTakeTheShownMacro()
    {
        QFETCH(QString, refill);
        QFETCH(bool, save);
        QFETCH(QString, target);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "Copy Paste"}, {"MACRO_LIST/1", "m02"}, {"MACRO_LIST/2", "imported_one"}});
        writeMacro("Copy Paste", {{6, 0, 1}, {6, 0, 2}, {6, 0, 3}});
        writeMacro("m02", {{6, 0, 11}, {6, 0, 12}, {6, 0, 13}, {6, 0, 14}});
        writeMacro("imported_one", {{6, 0, 21}, {6, 0, 22}});
        QTemporaryDir outside;
        const QString extra = outside.filePath("extra.MSMACRO");
        {
            QSettings file(extra, QSettings::IniFormat);
            file.setValue("Setting/Count", 2);
            for (int i = 0; i < 2; ++i) {
                file.setValue(QString("Setting/Map_%1").arg(i), 6);
                file.setValue(QString("Setting/DataH_%1").arg(i), 0);
                file.setValue(QString("Setting/DataL_%1").arg(i), 31 + i);
            }
        }
        struct Restore {
            ~Restore() { g_langId = 0; }
        } restore;
        MacroDialog dialog(nullptr);
        dialog.resize(665, 467);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        clickListRow(dialog, "m02");
        QCOMPARE(dialog.m_pNameEdit->text(), QString("m02"));
        QCOMPARE(dialog.stepCount(), 4);

        QCheckBox *batch = dialog.m_pBatchCheck;
        if (refill == "batch on and off") {
            batch->click();
            batch->click();
        } else if (refill == "batch import") {
            batch->click();
            dialog.importMacros({extra});
            batch->click();
        } else if (refill == "import, batch on and off") {
            dialog.importMacros({extra});
            batch->click();
            batch->click();
        } else if (refill == "rename, batch on and off") {
            dialog.m_pNameEdit->setText("renamed");
            click(dialog.m_pRenameButton);
            batch->click();
            batch->click();
        } else if (refill == "delete, batch on and off") {
            click(dialog.m_pDeleteMacroButton);  // the next row comes into the editor
            batch->click();
            batch->click();
        } else if (refill == "gun set in batch") {
            batch->click();
            answerGunSet("recoil");
            click(dialog.m_pGunSetButton);
            batch->click();
        } else if (refill == "language change in batch") {
            batch->click();
            g_langId = 1;
            dialog.UpdateLanguage();
            batch->click();
        } else if (refill == "drag from row to row") {
            QWidget *rows = dialog.m_pList->viewport();
            const QPoint from = dialog.m_pList->visualItemRect(dialog.m_pList->item(2)).center();
            const QPoint to = dialog.m_pList->visualItemRect(dialog.m_pList->item(0)).center();
            QTest::mousePress(rows, Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, rows->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(rows, &move);
            QTest::mouseRelease(rows, Qt::LeftButton, {}, to);
        } else {
            RemoveFromMacroList("m02");
            batch->click();
            batch->click();
        }
        QVERIFY(!dialog.isBatchMode());
        QCOMPARE(dialog.m_pNameEdit->text(), target);
        QCOMPARE(dialog.currentListName(), target);

        QMap<QString, QByteArray> expected = macroFiles();
        QVERIFY(expected.contains(target + ".MSMACRO"));
        const QString shownRows = fileRows(target);
        if (save) {
            click(dialog.m_pDeleteStepButton);  // the last step, current since the load
            click(dialog.m_pSaveButton);
            QCOMPARE(fileRows(target), shownRows.section(' ', 0, -2));
        } else {
            click(dialog.m_pDeleteMacroButton);
            QVERIFY(!ReadMacroList().contains(target));
        }
        QMap<QString, QByteArray> after = macroFiles();
        if (save)
            QVERIFY(after.take(target + ".MSMACRO") != expected.take(target + ".MSMACRO"));
        else
            expected.remove(target + ".MSMACRO");
        QCOMPARE(after.keys(), expected.keys());
        for (const QString &file : expected.keys())
            QVERIFY2(after.value(file) == expected.value(file), qPrintable(file));
    }

    void importAndExport()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "here"}});
        writeMacro("here", {{6, 0, 5}});
        QTemporaryDir outside;
        auto source = [&](const QString &file) {
            const QString path = outside.filePath(file);
            QSettings(path, QSettings::IniFormat).setValue("Setting/Count", 1);
            QSettings(path, QSettings::IniFormat).setValue("Setting/Map_0", 6);
            return path;
        };
        MacroDialog dialog(nullptr);
        Boxes boxes;
        dialog.importMacros({source("a.b.MSMACRO")});
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(GetMacroListEntry(1), QString("a.b"));  // only the final suffix goes
        QCOMPARE(dialog.m_pNameEdit->text(), QString("a.b"));
        QCOMPARE(dialog.stepCount(), 1);
        dialog.importMacros({source("here.MSMACRO")});
        QCOMPARE(boxes.texts, QStringList{"Macro Exist!"});
        dialog.importMacros({source(".MSMACRO")});
        QCOMPARE(boxes.texts.last(), QString("Please input file name."));

        // Batch: existing names skipped with one message, the rest added in order.
        dialog.m_pBatchCheck->click();
        QVERIFY(dialog.isBatchMode());
        boxes.texts.clear();
        dialog.importMacros({source("here.MSMACRO"), source("b.MSMACRO"), source("a.b.MSMACRO"), source("c.MSMACRO")});
        QCOMPARE(boxes.texts, QStringList{"Macro Exist!"});
        QCOMPARE(ReadMacroList().mid(0, 4), (QStringList{"here", "a.b", "b", "c"}));

        // Export replaces what the save dialog agreed to replace; the macro's own file stays.
        dialog.m_pBatchCheck->click();
        dialog.m_pList->setCurrentRow(0);
        const QString target = outside.filePath("out.MSMACRO");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        dialog.exportMacro(target);
        QCOMPARE(ReadMacroFile("out").steps.size(), 0);  // (not in MacroDB)
        QCOMPARE(QSettings(target, QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
        dialog.exportMacro(MacroFilePath("here"));
        QCOMPARE(ReadMacroFile("here").steps.size(), 1);
        QCOMPARE(boxes.texts, QStringList{"Macro Exist!"});

        dialog.m_pBatchCheck->click();
        auto *first = qobject_cast<QCheckBox *>(dialog.m_pList->itemWidget(dialog.m_pList->item(0)));
        auto *fourth = qobject_cast<QCheckBox *>(dialog.m_pList->itemWidget(dialog.m_pList->item(3)));
        QVERIFY(first && fourth);
        first->setChecked(true);
        fourth->setChecked(true);
        QTemporaryDir folder;
        dialog.exportCheckedMacros(folder.path());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), (QStringList{"c.MSMACRO", "here.MSMACRO"}));
    }

    // An export that fails keeps the file it was to replace, and says so.
    void failedExportKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("macroFileMissing");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("macro file missing") << true << false;
        QTest::newRow("disk full") << false << true;
    }
    void failedExportKeepsTheOldFile()
    {
        QFETCH(bool, macroFileMissing);
        QFETCH(bool, diskFull);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        if (!macroFileMissing)
            writeMacro("m", QVector<MacroStep>(60, {6, 0, 5}));
        QTemporaryDir outside;
        const QString target = outside.filePath("out.MSMACRO");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        MacroDialog dialog(nullptr);
        dialog.m_pList->setCurrentRow(0);
        Boxes boxes;
        {
            std::unique_ptr<FileSizeLimit> full(diskFull ? new FileSizeLimit(64) : nullptr);
            dialog.exportMacro(target);
        }
        QCOMPARE(boxes.texts, QStringList{"The file could not be written."});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"out.MSMACRO"});  // nothing left beside it
    }

    // A batch export keeps files of the same name in the folder and names, once, what it left.
    void batchExportKeepsExistingFiles()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "a"}, {"MACRO_LIST/1", "b"}, {"MACRO_LIST/2", "c"}, {"MACRO_LIST/3", "d"}});
        for (const char *name : {"a", "b", "c", "d"})
            writeMacro(name, {{6, 0, 5}});
        QTemporaryDir folder;
        for (const char *kept : {"a.MSMACRO", "c.MSMACRO"}) {
            QFile file(folder.filePath(kept));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("mine");
        }
        QCOMPARE(exportAllInBatch(folder.path()),
                 QStringList{"A file of the same name is already in the folder; these macros were not written: a, c"});
        for (const char *kept : {"a.MSMACRO", "c.MSMACRO"}) {
            QFile file(folder.filePath(kept));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("mine"));
        }
        QCOMPARE(QSettings(folder.filePath("b.MSMACRO"), QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
        QCOMPARE(QSettings(folder.filePath("d.MSMACRO"), QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
    }

    // The box names apart the macros left for a file of their name in the folder (a dangling
    // link is one) and those that could not be written, in the window's language.
    void batchExportSaysWhy_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << "en"
                                 << "A file of the same name is already in the folder; these macros were not written: a, "
                                    "c\nThese macros were not written: b";
        QTest::newRow("French") << "fr"
                                << QString::fromUtf8("Un fichier du même nom est déjà dans le dossier ; ces macros n'ont "
                                                     "pas été écrites : a, c\nCes macros n'ont pas été écrites : b");
    }
    void batchExportSaysWhy()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "a"}, {"MACRO_LIST/1", "b"}, {"MACRO_LIST/2", "c"}, {"MACRO_LIST/3", "d"}});
        for (const char *name : {"a", "c", "d"})
            writeMacro(name, {{6, 0, 5}});  // b has no file to copy
        QTemporaryDir folder;
        QFile mine(folder.filePath("a.MSMACRO"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("mine");
        mine.close();
        QVERIFY(QFile::link(folder.filePath("gone/c.MSMACRO"), folder.filePath("c.MSMACRO")));
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(LANG_DIR "/") + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        const QStringList texts = exportAllInBatch(folder.path());
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(texts, QStringList{text});
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
        QVERIFY(QFileInfo(folder.filePath("c.MSMACRO")).isSymLink());
        QVERIFY(!QFileInfo::exists(folder.filePath("gone")));
        QCOMPARE(QSettings(folder.filePath("d.MSMACRO"), QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"a.MSMACRO", "c.MSMACRO", "d.MSMACRO"}));
    }

    // A name that cannot be a file of its own is refused with a box that says why: an empty one
    // asks for a name, one that holds "/" or is ".." says what a name cannot hold, a long one
    // says so. Nothing is
    // written, in MacroDB or beside it. An imported file's name holds no "/": "\\" stands for it.
    void refusedNamesSayWhy_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const QString french = QString::fromUtf8(
            "Un nom de fichier ne peut pas contenir / \\ : * ? \" < > | ni de caractère de contrôle, ni être \".\" "
            "ou \"..\".");
        const struct {
            const char *name;
            const char *text;
        } names[] = {{"", "Please input file name."},
                     {"a/b", kForbiddenName},
                     {"../../escaped", kForbiddenName},
                     {"..", kForbiddenName}};
        for (const char *place : {"change name", "gun set", "import"}) {
            for (const auto &name : names) {
                const QString typed = QString(place) == "import" ? QString(name.name).replace('/', '\\') : name.name;
                QTest::addRow("%s '%s'", place, qPrintable(typed)) << place << "en" << typed << name.text;
            }
            QTest::addRow("%s, French, empty", place) << place << "fr" << "" << "Veuillez saisir un nom de fichier.";
            QTest::addRow("%s, French, '..'", place) << place << "fr" << ".." << french;
        }
        // 81 euro signs are 243 bytes, past the 240 a name may have; the name field holds 20.
        const QString longName(81, QChar(0x20AC));
        for (const char *place : {"gun set", "import"})
            QTest::addRow("%s, too long", place) << place << "en" << longName << "The file name is too long.";
    }
    void refusedNamesSayWhy()
    {
        QFETCH(QString, place);
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(QString, text);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "old"}});
        writeMacro("old", {{6, 0, 1}});
        QTemporaryDir outside;
        const QString source = outside.filePath(name + ".MSMACRO");
        if (place == "import") {
            QFile file(source);  // QSettings' temporary file would be too long a name
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Setting]\nCount=0\n");
        }
        const QStringList before = filesUnder(fixture.path());
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(LANG_DIR "/") + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        MacroDialog dialog(nullptr);
        Boxes boxes;
        if (place == "change name") {
            dialog.m_pNameEdit->setText(name);
            click(dialog.m_pRenameButton);
        } else if (place == "import") {
            dialog.importMacros({source});
        } else {
            // The dialog stays open after its box: No then closes it.
            QTimer::singleShot(20, [name] {
                auto *gun = qobject_cast<KestGunsetDialog *>(QApplication::activeModalWidget());
                QVERIFY(gun);
                gun->fileNameEdit->setText(name);
                QTest::mouseClick(gun->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
                QVERIFY(gun->isVisible());
                QTest::mouseClick(gun->findChild<QToolButton *>("msgBoxNoBtn"), Qt::LeftButton);
            });
            click(dialog.m_pGunSetButton);
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(boxes.texts, QStringList{text});
        QCOMPARE(filesUnder(fixture.path()), before);
        QCOMPARE(ReadMacroList().mid(0, 2), (QStringList{"old", QString()}));
        QCOMPARE(dialog.currentListName(), QString("old"));
    }

    // A tick in BATCH mode changes the box only: the current row stays the macro the editor
    // shows. The click goes to the window, which hands it to the box under the pointer.
    void batchTickKeepsTheShownMacro()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "a"}, {"MACRO_LIST/1", "b"}, {"MACRO_LIST/2", "c"}});
        writeMacro("a", {{6, 0, 1}});
        writeMacro("b", {{6, 0, 2}});
        writeMacro("c", {{6, 0, 3}});
        MacroDialog dialog(nullptr);
        dialog.resize(665, 467);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        clickListRow(dialog, "b");
        dialog.m_pBatchCheck->click();
        QVERIFY(dialog.isBatchMode());
        QCOMPARE(dialog.m_pList->currentRow(), 1);
        QListWidgetItem *item = dialog.m_pList->item(2);
        auto *box = qobject_cast<QCheckBox *>(dialog.m_pList->itemWidget(item));
        QVERIFY(box);
        box->ensurePolished();
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QVERIFY(indicator.isValid());
        const QPoint at = box->mapTo(&dialog, indicator.center());
        QCOMPARE(dialog.childAt(at), box);
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(box->isChecked());
        QCOMPARE(dialog.m_pList->currentRow(), 1);
        QCOMPARE(dialog.currentListName(), QString("b"));
        QCOMPARE(dialog.m_pNameEdit->text(), QString("b"));
        QCOMPARE(rows(dialog), QString("6,0,2"));
    }

    // A copy the disk does not take (its sync fails) is named among those not written and
    // leaves nothing in the folder; the others are written, the program's own files stay.
    void batchExportNotSyncedIsNotWritten()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "a"}, {"MACRO_LIST/1", "b"}, {"MACRO_LIST/2", "c"}});
        for (const char *name : {"a", "b", "c"})
            writeMacro(name, {{6, 0, 5}});
        const QMap<QString, QByteArray> before = macroFiles();
        QTemporaryDir folder;
        const QString failing = folder.filePath("b.MSMACRO");
        SetSyncFailsForTesting([failing](const QString &target) { return target == failing; });
        const QStringList texts = exportAllInBatch(folder.path());
        SetSyncFailsForTesting({});
        QCOMPARE(texts, QStringList{"These macros were not written: b"});
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"a.MSMACRO", "c.MSMACRO"}));
        QCOMPARE(QSettings(folder.filePath("a.MSMACRO"), QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
        QCOMPARE(QSettings(folder.filePath("c.MSMACRO"), QSettings::IniFormat).value("Setting/DataL_0").toInt(), 5);
        QCOMPARE(macroFiles(), before);
    }

    // GUN SET: the dialog's pattern becomes a listed macro under a free name, loaded with
    // recorded delays; a file that cannot be written is reported and nothing is listed.
    void gunSetAddsAListedMacro()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "recoil"}});
        writeMacro("recoil", {});
        MacroDialog dialog(nullptr);
        answerGunSet("recoil");
        click(dialog.m_pGunSetButton);
        QCOMPARE(dialog.currentListName(), QString("recoil_2"));
        QCOMPARE(GetMacroListEntry(1), QString("recoil_2"));
        QVERIFY(dialog.m_pRecordDelayCheck->isChecked());
        QCOMPARE(dialog.delayType(), 1);
        QVERIFY(dialog.stepCount() > 0);
        QCOMPARE(dialog.stepAt(0).type, quint8(0x81));  // left button down first, as the table numbers it
        QCOMPARE(ReadMacroFile("recoil_2").steps.size(), dialog.stepCount());
    }
    void gunSetWriteFailureListsNothing()
    {
        MacroFixture fixture;
        MacroDialog dialog(nullptr);
        const QString macroDb = QFileInfo(MacroFilePath("x")).absolutePath();
        QDir(macroDb).removeRecursively();
        QFile blocker(macroDb);  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Boxes boxes;
        answerGunSet("recoil");
        click(dialog.m_pGunSetButton);
        QCOMPARE(boxes.texts, QStringList{"The file could not be written."});
        QCOMPARE(CountMacros(), 0);
        QCOMPARE(dialog.m_pList->count(), 0);
    }

    // A language or scale change restyles the table; unsaved steps stay.
    void restyleKeepsSteps()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {});
        MacroDialog dialog(nullptr);
        dialog.InsertDelayStep(100);
        dialog.UpdateLanguage();
        dialog.resize(700, 500);
        QCOMPARE(dialog.stepCount(), 1);
        g_langId = 1;
        dialog.UpdateLanguage();
        QVERIFY(!dialog.m_pGunSetButton->isHidden());
        g_langId = 0;
        dialog.UpdateLanguage();
        QVERIFY(dialog.m_pGunSetButton->isHidden());
    }

    // The fixture has no skin: the editor and its command tree are drawn, shown and restyled
    // without a single message.
    void missingSkinPrintsNothing()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {{kStepKeyPress, 0, 4}, {kStepMove, 0, 5}});
        static QStringList messages;
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
        {
            MacroDialog dialog(nullptr);
            dialog.resize(665, 467);
            dialog.show();
            click(dialog.m_pMouseActionButton);
            dialog.grab();
            setScaleFactor(2.0);
            dialog.UpdateLanguage();
            dialog.resize(1330, 934);
            dialog.grab();
            setScaleFactor(1.0);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    }

    // Every shown control has a place of its own inside the page, in each face of the page:
    // the list, the command tree, and the step editor of each kind of step.
    void controlsDoNotOverlap_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }
    void controlsDoNotOverlap()
    {
        QFETCH(double, scale);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        // A step of each kind first, then enough to make the table scroll.
        QVector<MacroStep> steps = {{kStepKeyPress, 0, 4}, {kStepButtonPress, 0, 1}, {kStepMove, 0, 5}, {kStepDelay, 0, 3}};
        while (steps.size() < 20)
            steps << MacroStep{kStepDelay, 0, 1};
        writeMacro("m", steps);
        struct Restore {
            ~Restore()
            {
                g_langId = 0;
                setScaleFactor(1.0);
            }
        } restore;
        g_langId = 1;  // GUN SET shown too
        setScaleFactor(scale);
        MacroDialog dialog(nullptr);
        dialog.resize(scaled(665, scale), scaled(467, scale));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QStringList faults;
        const auto check = [&](const QString &face) {
            QList<QWidget *> shown;
            for (QWidget *w : dialog.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (w->isVisible() && !w->isWindow())
                    shown << w;
            }
            const auto name = [](QWidget *w) { return QString("%1 %2").arg(w->objectName()).arg(w->metaObject()->className()); };
            for (int i = 0; i < shown.size(); ++i) {
                const QRect a = shown[i]->geometry();
                if (a.isEmpty() || !dialog.rect().contains(a))
                    faults << QString("%1: %2 outside the page").arg(face, name(shown[i]));
                for (int j = i + 1; j < shown.size(); ++j) {
                    if (a.intersects(shown[j]->geometry()))
                        faults << QString("%1: %2 over %3").arg(face, name(shown[i]), name(shown[j]));
                }
            }
        };
        check("list");
        for (QWidget *w : {static_cast<QWidget *>(dialog.m_pCloseButton), static_cast<QWidget *>(dialog.m_pCopyButton),
                           static_cast<QWidget *>(dialog.m_pCutButton), static_cast<QWidget *>(dialog.m_pPasteButton),
                           static_cast<QWidget *>(dialog.m_pRecordAfterButton),
                           static_cast<QWidget *>(dialog.m_pFurtherLabels[0]),
                           static_cast<QWidget *>(dialog.m_pFurtherLabels[1])})
            QVERIFY2(w->isVisible() && !w->geometry().isEmpty(), qPrintable(w->objectName()));
        QVERIFY(dialog.m_pTable->verticalScrollBar()->isVisible());
        QVERIFY(!dialog.m_pTable->horizontalScrollBar()->isVisible());
        click(dialog.m_pMouseActionButton);
        check("tree");
        // The tree scrolls; its scroll bar leaves the movement rows' distance fields in view.
        QVERIFY(dialog.m_pTree->verticalScrollBar()->isVisible());
        for (KestTreeItem *row : dialog.m_pMoveRows) {
            const QLineEdit *field = row->distanceEdit();
            const int right = field->mapTo(dialog.m_pTree->viewport(), QPoint(field->width(), 0)).x();
            QVERIFY2(right <= dialog.m_pTree->viewport()->width(), qPrintable(QString::number(right)));
        }
        click(dialog.m_pMouseActionButton);
        for (int row = 0; row < 4; ++row) {
            dialog.m_pSelection->setCurrentIndex(dialog.m_pModel->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            click(dialog.m_pEditButton);
            QVERIFY(dialog.isEditMode());
            check(QString("editing row %1").arg(row));
            click(dialog.m_pCancelButton);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // The buttons without an action of their own lock with the editing controls.
    void idleButtonsLockWhileRecording()
    {
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        writeMacro("m", {});
        MacroDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const KestPushButton *idle[] = {dialog.m_pCloseButton, dialog.m_pCopyButton, dialog.m_pCutButton,
                                        dialog.m_pPasteButton, dialog.m_pRecordAfterButton};
        click(dialog.m_pStartButton);
        for (const KestPushButton *b : idle)
            QVERIFY2(!b->isButtonEnabled(), qPrintable(b->objectName()));
        click(dialog.m_pStopButton);
        for (const KestPushButton *b : idle)
            QVERIFY2(b->isButtonEnabled(), qPrintable(b->objectName()));
    }
};

QTEST_MAIN(MacroDialogTest)
#include "tst_macrodialog.moc"
