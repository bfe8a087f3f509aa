#include "ui/userfeedback.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class DesktopFeedback : public UserFeedback
{
public:
    void beep() override { QApplication::beep(); }
    void warn(QWidget* parent, const QString& message) override
    {
        show(QMessageBox::Warning, parent, message);
    }
    void inform(QWidget* parent, const QString& message) override
    {
        show(QMessageBox::Information, parent, message);
    }
    void reportError(QWidget* parent, const QString& message) override
    {
        show(QMessageBox::Critical, parent, message);
    }

private:
    static void show(QMessageBox::Icon icon, QWidget* parent, const QString& message)
    {
        QMessageBox box(icon, QStringLiteral("Poolwright"), message, QMessageBox::Ok, parent);
        box.exec();
    }
};

UserFeedback* g_replacement = nullptr;

} // namespace

UserFeedback& Feedback()
{
    if (g_replacement != nullptr)
        return *g_replacement;
    static DesktopFeedback desktop;
    return desktop;
}

void ReplaceFeedback(UserFeedback* feedback)
{
    g_replacement = feedback;
}
