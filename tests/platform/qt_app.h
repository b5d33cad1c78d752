// The test application and drivers of the modal dialogs for the widget tests of this folder.
#pragma once

#include "support/modal_driver.h"
#include "support/qt_test_app.h"
