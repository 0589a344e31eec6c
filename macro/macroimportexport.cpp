// Import and export of .MSMACRO files: copies into and out of the program's macro folder, of
// the current macro or of the batch's checked ones.
#include "macrodialog.h"

#include "filenames.h"
#include "macrodialogparts.h"
#include "namerefusal.h"
#include "settings.h"
#include "stagedfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Replaces `to` only by a complete copy: a failure keeps the old file.
bool copyReplacing(const QString &from, const QString &to)
{
    const QString source = QFileInfo(from).canonicalFilePath();
    if (!source.isEmpty() && source == QFileInfo(to).canonicalFilePath())
        return true;  // the file itself
    return CopyIntoPlace(from, to);
}

// The macro name of an imported file: its name less a final ".MSMACRO".
QString importedName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(kMacroSuffix, Qt::CaseInsensitive))
        name.chop(int(qstrlen(kMacroSuffix)));
    return name;
}

} // namespace

void MacroDialog::importMacros(const QStringList &paths)
{
    bool exists = false;
    QString refusal;  // the first refused name's
    bool added = false;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;  // dialog cancelled
        const QString name = importedName(path);
        if (!IsSafeFileName(name)) {
            if (refusal.isEmpty())
                refusal = FileNameRefusal(name);
            continue;
        }
        if (FileExists(MacroFilePath(name)) || ReadMacroList().contains(name)) {
            exists = true;
            continue;
        }
        if (CountMacros() >= kMacroListSize) {
            showBox(1, tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
            break;
        }
        if (!copyReplacing(path, MacroFilePath(name))) {
            showWriteFailure();
            break;
        }
        if (!AddMacroToList(name))
            break;
        added = true;
        if (!m_batchMode) {
            m_pNameEdit->setText(name);
            LoadMacroFile();
        }
    }
    if (!refusal.isEmpty())
        showBox(2, tr("Warning"), refusal);
    if (exists)
        showBox(2, tr("Warning"), tr("Macro Exist!"));
    if (added && m_batchMode)
        FillMacroList();
}

void MacroDialog::exportMacro(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString name = currentListName();
    if (!IsSafeFileName(name) || !copyReplacing(MacroFilePath(name), path))
        showWriteFailure();
}

// A file of the same name in the folder (a link too) is kept, also one that appears while the
// copy is written; the macros not written are named once, those kept apart from those failed.
void MacroDialog::exportCheckedMacros(const QString &directory)
{
    if (directory.isEmpty())
        return;
    QStringList present;
    QStringList failed;
    for (int row = 0; row < m_pList->count(); ++row) {
        QListWidgetItem *item = m_pList->item(row);
        auto *box = qobject_cast<QCheckBox *>(m_pList->itemWidget(item));
        if (!box || !box->isChecked())
            continue;
        const QString name = rowName(item);
        const NewFileCopy copy = IsSafeFileName(name)
                                     ? CopyIntoNewFile(MacroFilePath(name), QDir(directory).filePath(name + kMacroSuffix))
                                     : NewFileCopy::Failed;
        if (copy == NewFileCopy::Exists)
            present << name;
        else if (copy == NewFileCopy::Failed)
            failed << name;
    }
    QStringList lines;
    if (!present.isEmpty())
        lines << tr("A file of the same name is already in the folder; these macros were not written: %1")
                     .arg(present.join(", "));
    if (!failed.isEmpty())
        lines << tr("These macros were not written: %1").arg(failed.join(", "));
    if (!lines.isEmpty())
        showBox(2, tr("Warning"), lines.join('\n'));
}
