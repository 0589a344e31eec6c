#pragma once
// A fresh application folder (description and Config.ini written through QSettings) and a
// watcher that records and answers the editor's message boxes.

#include "devicedefaults.h"
#include "kestlabel.h"
#include "kestmessagebox.h"
#include "settings.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariantMap>

class MacroFixture {
public:
    explicit MacroFixture(const QVariantMap &description = {}, const QVariantMap &config = {})
    {
        SetAppDir(m_dir.path());
        write(DeviceDescriptionPath(), description);
        write(ConfigIniPath(), config);
    }
    QString path() const { return m_dir.path(); }

private:
    static void write(const QString &path, const QVariantMap &values)
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("PROFILE/ProductName", "Test Mouse");
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    QTemporaryDir m_dir;
};

// Records the message of every box that comes up and closes it with Ok/Yes.
class Boxes : public QObject {
public:
    Boxes()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<KestMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            auto *label = box->findChild<KestLabel *>("msgBoxInfoLabel2");
            texts << (label ? label->m_text : QString());
            box->done(1);
        });
        m_timer.start(5);
    }
    QStringList texts;

private:
    QTimer m_timer;
};
