#pragma once

#include "framework/UnFormSecondary.h"

#include <QString>

class QPlainTextEdit;
class QPushButton;

// The name, size and times of the document's file, read when the window is shown.
class TFormFileInfo : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormFileInfo(QWidget* owner = nullptr);

    // Blanks and control characters around the name are dropped. The name may hold bytes that
    // are no text (platform/Filenamebytes.h): the file of those bytes is described.
    void setFileName(const QString& name);
    // Refills the memo from the file as it is now: five lines, or one saying why there are none.
    void fillInfo();

protected:
    void formShow() override;

private:
    QString m_FileName;
    QPlainTextEdit* m_MemoMain = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
};
