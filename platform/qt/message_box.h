// The message box of the forms runtime: one OK button, no icon.
#pragma once

#include <QMessageBox>

namespace platform {

class MaximisableFixedSize;

class MessageBox final : public QMessageBox {
public:
    MessageBox(const QString& title, const QString& text, QWidget* owner);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    MaximisableFixedSize* m_size;
};

} // namespace platform
