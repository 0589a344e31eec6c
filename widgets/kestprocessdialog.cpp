#include "kestprocessdialog.h"

#include "dialogbuttons.h"
#include "translucency.h"

#include <QBitmap>
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
    const bool translucent = TranslucentWindowsSupported();
    if (translucent) {
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        // Without a compositor the transparent corners would be black: paint them in the
        // animation's own dark colour, and cut the window to the animation's shape below.
        QPalette dark = palette();
        dark.setColor(QPalette::Window, kOpaqueBackground);
        setPalette(dark);
        setAutoFillBackground(true);
    }
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
    const QPixmap first = m_pMovie->currentPixmap();
    if (!translucent && first.hasAlpha())
        setMask(first.mask());
}

KestProcessDialog::~KestProcessDialog() = default;

void KestProcessDialog::watchJob(QThread *job)
{
    m_pWatchedJob = job;
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
