#include "app/UnFormGotoLine.h"

#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Editdialogs.h"
#include "app/Nameresources.h"
#include "framework/Handlerguard.h"
#include "framework/Programexception.h"
#include "framework/Windowplace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TFormGotoLine::TFormGotoLine(QWidget* owner)
    : TFormSecondary(owner)
{
    m_LabelGoto = new QLabel(this);
    m_LabelGoto->setObjectName(QStringLiteral("LabelGoto"));
    m_EditGoto = new QLineEdit(this);
    m_EditGoto->setObjectName(QStringLiteral("EditGoto"));
    m_EditGoto->setMinimumWidth(kGotoFieldWidth);
    QFont bold = m_EditGoto->font();
    bold.setBold(true);
    m_EditGoto->setFont(bold);
    // Digits only, typed or pasted; an empty field or a too big number is still possible.
    m_EditGoto->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_EditGoto));
    m_ButtonOk = new QPushButton(this);
    m_ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    m_ButtonOk->setDefault(true);
    m_ButtonCancel = new QPushButton(this);
    m_ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ButtonOk);
    buttons->addWidget(m_ButtonCancel);
    auto* fields = new QVBoxLayout;
    fields->addWidget(m_LabelGoto);
    fields->addWidget(m_EditGoto);
    fields->addStretch();
    fields->addLayout(buttons);
    setPictureLayout(this, TDialogPicture::GotoLine, fields, QStringLiteral("PanelLeft"),
                     QStringLiteral("ImageLeft"));
    setEditDialogStyle(this);

    connect(m_ButtonOk, &QPushButton::clicked, this, &TFormGotoLine::buttonOkClick);
    connect(m_ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormGotoLine::getLine() const
{
    return m_Line;
}

void TFormGotoLine::setLine(int line)
{
    if (line > 0)
        m_Line = line;
}

void TFormGotoLine::formShow()
{
    CHandlerGuard::run("TFormGotoLine::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::GotoLine));
        m_LabelGoto->setText(labelCaption(TTextId::GotoLine));
        m_ButtonOk->setText(getNameResource(TTextId::GotoOk));
        m_ButtonCancel->setText(getNameResource(TTextId::Cancel));
        m_EditGoto->setText(QString::number(m_Line));
        m_EditGoto->setFocus();
        m_EditGoto->selectAll();
        fitToCaptions(this);
        windowPlace().centreOnScreen();
    });
}

void TFormGotoLine::buttonOkClick()
{
    // A failed conversion is reported and keeps the dialog open with the number as it was.
    CHandlerGuard::run("TFormGotoLine::ButtonOkClick", [this] {
        bool converted = false;
        const int line = m_EditGoto->text().toInt(&converted);
        if (!converted)
            throw CProgramException(getNameResourceNotLineNumber(m_EditGoto->text()));
        m_Line = line;
        accept();
    });
}
