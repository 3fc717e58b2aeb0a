#pragma once
// The real program brought to lesson 1 page 16 as a pupil brings it there, so that its idle
// load on that page can be measured from the outside.
#include "support/arduino_sim.h"
#include "support/desktop_session.h"

namespace kwil::bench {

// Drives `program`, just started with `arduino` as its only board and a database whose first
// pupil of the first class has `password`: the login by mouse and keyboard, lesson 1 started
// with push button s1, and "Verder" clicked page after page, each page's task done on the
// board and each drawing question answered yes, until page 16 polls the board. False, with
// what went wrong on standard error, when it does not get there.
bool driveToLes1Page16(desktop::ProgramRun& program, sim::ArduinoSim& arduino, const QString& password);

}  // namespace kwil::bench
