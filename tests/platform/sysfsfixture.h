#pragma once
// A folder standing in for /sys, with report descriptors of hidraw nodes, and the report
// descriptors of a real-looking receiver.

#include "hidcollections.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Interface 0 of a mouse: Application 'Mouse' holding a Physical 'Pointer' collection.
inline const QByteArray kMouseDescriptor = QByteArray::fromHex(
    "05010902a101"                      // Generic Desktop, Mouse, Application
    "0901a100"                          //   Pointer, Physical
    "05091901290315002501950375018102"  //     three buttons
    "950175058103"                      //     padding
    "05010930093109381581257f75089503"  //     X, Y, wheel
    "8106"
    "c0"                                //   end Physical
    "c0");

// Interface 1 of a receiver: consumer (holding a Physical collection), system control,
// vendor, and the command collection (Generic Desktop, usage 0) fourth.
inline const QByteArray kReceiverDescriptor = QByteArray::fromHex(
    "050c0901a1018502"                      // Consumer Control, report 2
    "05010901a10015002501750195088102c0"    //   Physical 'Pointer'
    "050c150026ff037510950119002aff038100"  //   consumer keys
    "c0"
    "05010980a1018503"                      // System Control, report 3
    "150125037502950109810982098381607506"
    "8103c0"
    "0600ff0901a1018506"                    // vendor, report 6
    "150026ff00750895200901810209019102c0"
    "05010900a1018505"                      // command collection, report 5
    "150026ff00750895200901810209019102c0");

class SysfsFixture {
public:
    SysfsFixture() { SetSysfsRootForTesting(m_dir.path().toStdString()); }
    ~SysfsFixture() { SetSysfsRootForTesting("/sys"); }

    // Puts the descriptor of node ("hidraw3") where the kernel would.
    void addNode(const QString &node, const QByteArray &descriptor)
    {
        const QString folder = m_dir.path() + "/class/hidraw/" + node + "/device";
        QDir().mkpath(folder);
        QFile file(folder + "/report_descriptor");
        if (file.open(QIODevice::WriteOnly))
            file.write(descriptor);
    }

private:
    QTemporaryDir m_dir;
};
