#include "dialogbuttons.h"

#include "scale.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initKitResources() { Q_INIT_RESOURCE(kit); }

void EnsureKitResources()
{
    static const bool registered = (initKitResources(), true);
    (void)registered;
}

QString DialogButtonStyleSheet(const QColor &border, int gapBeforeBorderStyle)
{
    return QString::asprintf("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                             "                       border-radius: 3px;  border: 1px rgb(%d, %d, %d);",
                             border.red(), border.green(), border.blue())
           + QString(gapBeforeBorderStyle, QLatin1Char(' ')) + QStringLiteral("border-style: outset;}");
}

QToolButton *MakeDialogButton(QWidget *parent, const QString &iconResource, Qt::ToolButtonStyle style,
                              const QString &objectName, const QString &text, const QFont &font,
                              const QString &styleSheet, double scale)
{
    EnsureKitResources();
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(iconResource));
    button->setToolButtonStyle(style);
    const int icon = scaled(30, scale);
    button->setIconSize(QSize(icon, icon));
    button->setFixedSize(scaled(100, scale), scaled(30, scale));
    button->setFont(font);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(styleSheet);
    button->setText(text);
    return button;
}

QHBoxLayout *DialogButtonRow(QToolButton *yes, QToolButton *no)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(yes);
    if (no) {
        row->addStretch();
        row->addWidget(no);
    }
    row->addStretch();
    return row;
}
