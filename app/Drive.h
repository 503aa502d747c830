#pragma once
// A script that drives the running program for the tests that start it as
// a process (app/tests/ProgramProcessTest.cpp); nothing happens unless the
// environment names one. PELMORAN_DRIVE holds steps separated by ';', each
// run about 200 ms after the one before, also inside modal loops:
//   cmd:<id>      a menu command, as picked from the menu
//   open:<path>   a waveform file, as the command line opens one
//   click:<id>    a button of the modal dialog in front
//   box:<label>   a button of the message box in front ("No")
//   close         the main window's close box
//   float         a double click on the docked panel's gripper
//   idle:<ms>     the program left alone: after a short settling time, one
//                 line on stderr with its processor time and the number of
//                 paint events during <ms>:
//                 "drive: idle <ms> ms cpu <seconds> s paints <n>"

class CPelmoranApp;

// Starts the script of PELMORAN_DRIVE, if any, on the running event loop.
void StartDrive(CPelmoranApp& app);
