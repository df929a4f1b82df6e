#pragma once
#include <functional>
#include <string>

#include "support/UiDriver.h"
#include "ui/InstallDlg.h"

// What a person does with the install dialog's window, from a second thread.
using Person = std::function<void(testsupport::UiDriver& driver, HWND dialog)>;

// Shows the dialog as the installation sequence does (modal at the centre, on this thread) while the
// person drives it, and returns DoModalAt's result. A person who fails ends the dialog (result -1);
// the failure is reported to the running test.
INT_PTR RunInstallDialog(InstallDlg& dialog, const Person& person);

// Polls until the condition holds; throws, naming what was awaited, when it does not come in time.
void WaitUntil(const std::function<bool()>& condition, const std::string& what);
