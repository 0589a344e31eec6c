#include "namerefusal.h"

#include "filenames.h"

#include <QObject>

QString FileNameRefusal(const QString &name)
{
    switch (FileNameFaultOf(name)) {
    case FileNameFault::None: return QString();
    case FileNameFault::Empty: return QObject::tr("Please input file name.");
    case FileNameFault::Forbidden:
        return QObject::tr("A file name cannot hold / \\ : * ? \" < > | or a control character, nor be \".\" or \"..\".");
    case FileNameFault::TooLong: return QObject::tr("The file name is too long.");
    }
    return QString();
}
