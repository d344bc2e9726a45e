// The drill the page made last, for the page's bindings that follow its steps,
// and the page's timers.
#pragma once

class DrillSession;
class Scheduler;

// Null before the page made its drill and after it went.
DrillSession* PageDrillSession();

// Runs a task later, on the page's timers, under the page's files' lock.
Scheduler& PageScheduler();
