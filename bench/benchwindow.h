#pragma once

class Tphotofrm;

// The main window as the program has it after start-up, with a stand-in
// platform: one for the whole benchmark run.
Tphotofrm& benchWindow();
