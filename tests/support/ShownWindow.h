#pragma once

#include "config/ServiceAddresses.h"
#include "mainwindow/Unit1.h"

#include <memory>

// The main window at its designed size, shown, active and with its start page loaded.
std::unique_ptr<TForm1> shownWindow(const ServiceAddresses &addresses);
