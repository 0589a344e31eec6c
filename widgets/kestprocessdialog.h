#pragma once
// The busy indicator of a write job: a frameless 128 × 128 animation centred on a window,
// closed with result 1 once the job says it has ended (slotProcessDlg). Until then neither
// Escape nor the window manager can close it, so the job's result is never read early and
// no second job can start meanwhile.

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QThread>
#include <memory>

class QLabel;
class QMovie;
class QProgressBar;

class KestProcessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSize = 128;
    // Behind the animation where the desktop cannot show a translucent window.
    static constexpr QColor kOpaqueBackground = QColor(0x14, 0x16, 0x19);

    // centreOn: the window to centre on (may be null); the flags argument is ignored.
    KestProcessDialog(QWidget *centreOn, QWidget *parent, Qt::WindowFlags ignoredFlags);
    ~KestProcessDialog() override;

    // Also treats the end of the job's thread as its end, so a worker that returns
    // without its end signal cannot leave the dialog up for ever.
    void watchJob(QThread *job);
    // The thread given to watchJob, while it exists.
    QThread *watchedJob() const { return m_pWatchedJob.data(); }
    bool jobEnded() const { return m_bJobEnded; }
    // Sets the progress bar's value; the program's dialogs have none.
    void setValue(int value);
    QMovie *movie() const { return m_pMovie.get(); }

public slots:
    // The job has ended: close on the next pass of the event loop (also when the modal
    // loop has not started yet).
    void slotProcessDlg();
    // The same after 100 ms; not used by the program.
    void slotProcessDlgDelayed();
    void updateProgress();

    // Refused while the job runs.
    void reject() override;

private:
    QProgressBar *m_pProgressBar = nullptr;
    std::unique_ptr<QMovie> m_pMovie;
    QLabel *m_pMovieLabel = nullptr;
    bool m_bJobEnded = false;
    QPointer<QThread> m_pWatchedJob;
};
