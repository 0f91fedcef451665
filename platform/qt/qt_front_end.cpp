// The forms runtime on Qt Widgets: a form window of widgets, and Qt's event loop.
#include "platform/qt/qt_front_end.h"

#include "platform/form.h"
#include "platform/qt/form_window.h"
#include "platform/qt/pictures_ahead.h"
#include "platform/qt/widget_control.h"

#include <QApplication>

namespace platform {

std::unique_ptr<NativeWindow> createNativeWindow(Form& form, const FormDesign& design)
{
    return std::make_unique<FormWindow>(form, design);
}

int run(Form& form)
{
    form.onUnload = [] { QCoreApplication::exit(0); };
    form.load();
    form.show();
    return QApplication::exec();
}

} // namespace platform

namespace platform::qt {

QWidget* widgetOf(const Control& control)
{
    return static_cast<WidgetControl&>(control.native()).widget();
}

QWidget* windowOf(const Form& form) { return &static_cast<FormWindow&>(form.nativeWindow()); }

void takePicturesAhead(Form& form, std::unique_ptr<PicturesAhead> pictures)
{
    static_cast<FormWindow&>(form.nativeWindow()).takePicturesAhead(std::move(pictures));
}

} // namespace platform::qt
