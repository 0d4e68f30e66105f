#pragma once

// CPU seconds (user and system) the server process behind the application's
// connection has used so far, read from /proc: a figure that other work on a
// shared machine does not inflate the way it inflates elapsed time. The
// server must run on this machine; 0 otherwise.
double serverCpuSeconds();
