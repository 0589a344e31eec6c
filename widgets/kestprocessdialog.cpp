#include "kestprocessdialog.h"

#include "dialogbuttons.h"

#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

KestProcessDialog::KestProcessDialog(QWidget *centreOn, QWidget *parent, Qt::WindowFlags)
    : QDialog(parent)
{
    EnsureKitResources();
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    if (centreOn) {
        const QRect area = centreOn->geometry();
        move(area.left() + area.width() / 2 - width() / 2, area.top() + area.height() / 2 - height() / 2);
    }
    m_pMovieLabel = new QLabel(this);
    m_pMovieLabel->setGeometry(0, 0, kSize, kSize);
    m_pMovie = std::make_unique<QMovie>(":/skin/loading.gif");
    m_pMovie->start();
    m_pMovieLabel->setMovie(m_pMovie.get());
}

KestProcessDialog::~KestProcessDialog() = default;

void KestProcessDialog::watchJob(QThread *job)
{
    connect(job, &QThread::finished, this, &KestProcessDialog::slotProcessDlg);
}

void KestProcessDialog::setValue(int value)
{
    if (m_pProgressBar)
        m_pProgressBar->setValue(value);
}

void KestProcessDialog::slotProcessDlg()
{
    m_bJobEnded = true;
    QTimer::singleShot(0, this, &KestProcessDialog::updateProgress);
}

void KestProcessDialog::slotProcessDlgDelayed()
{
    m_bJobEnded = true;
    QTimer::singleShot(100, this, &KestProcessDialog::updateProgress);
}

void KestProcessDialog::updateProgress() { accept(); }

void KestProcessDialog::reject()
{
    if (m_bJobEnded)
        QDialog::reject();
}
