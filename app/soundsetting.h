#pragma once

// Whether the student wants to hear the experiment, kept in the user's
// settings ($XDG_CONFIG_HOME/lumetra/lumetra.conf) from one start to the
// next. Off until it is first switched on.
bool soundRemembered();
void rememberSound(bool on);
