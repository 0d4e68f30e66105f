#pragma once

// The whole run of the client, from the single-instance check to the end of
// the message loop; returns the process exit code.
int RunClient(int argc, char** argv);
