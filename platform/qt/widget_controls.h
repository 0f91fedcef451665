// The Qt widget of each kind of control, made as a child of the form window.
#pragma once

#include "platform/qt/widget_control.h"

#include <memory>

class QWidget;

namespace platform {

class CheckBox;
class CommandButton;
class HScrollBar;
class Image;

std::unique_ptr<NativeControl> makeImageWidget(Image& control, const ControlDesign& design,
                                               QWidget* parent);
std::unique_ptr<NativeControl> makeLabelWidget(const ControlDesign& design, QWidget* parent);
std::unique_ptr<NativeControl> makeTextBoxWidget(const ControlDesign& design, QWidget* parent);
std::unique_ptr<NativeControl> makeCheckBoxWidget(CheckBox& control, const ControlDesign& design,
                                                  QWidget* parent);
std::unique_ptr<NativeControl> makeScrollBarWidget(HScrollBar& control, const ControlDesign& design,
                                                   QWidget* parent);
std::unique_ptr<NativeControl> makeButtonWidget(CommandButton& control, const ControlDesign& design,
                                                QWidget* parent);

} // namespace platform
