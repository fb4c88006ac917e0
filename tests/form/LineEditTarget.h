#pragma once

// Another program with a focused line edit, for tests that type into a program that is not
// Vellobox: the test executable runs itself with "--line-edit" and calls this from main.
// Prints "ready" once focused; on standard input "text" prints the field's text
// (percent-encoded), "set <encoded>" replaces it (cursor at the end) and prints "ok",
// "slow <ms>" makes it take that long before it acts on a Ctrl+V and prints "ok".
int runLineEditTarget(int argc, char **argv);
