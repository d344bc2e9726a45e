// The drill the page made last, for the page's bindings that follow its steps.
#pragma once

class DrillSession;

// Null before the page made its drill and after it went.
DrillSession* PageDrillSession();
