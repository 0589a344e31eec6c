#pragma once
// A skinned name-entry dialog (title, two information lines, a field of at most 40
// characters, Ok or Yes/No) with the look of the message box. Kept in the kit; the
// program itself does not open one.

#include <QDialog>
#include <QPixmap>
#include <QString>

class KestLabel;
class QLineEdit;
class QToolButton;

class KestPopBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 40;

    // buttonMode 1: Yes and No; anything else: Ok. The last two arguments are ignored: the
    // box has no parent.
    KestPopBox(int buttonMode, const QString &title, const QString &text1, const QString &text2,
               QWidget *ignoredParent = nullptr, Qt::WindowFlags ignoredFlags = Qt::WindowFlags());

    // The field's text as last typed.
    QString name() const { return m_name; }
    QLineEdit *nameEdit() const { return m_pNameEdit; }

public slots:
    void NameChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildWidgets(const QString &text1, const QString &text2);
    void buildLayout();

    QString m_name;
    QPixmap m_pixmap;
    KestLabel *m_pSpareLabel = nullptr;
    KestLabel *m_pInfoLabel1 = nullptr;
    KestLabel *m_pInfoLabel2 = nullptr;
    QToolButton *m_pYesButton = nullptr;
    QToolButton *m_pNoButton = nullptr;
    int m_buttonMode;
    QLineEdit *m_pNameEdit = nullptr;
};
