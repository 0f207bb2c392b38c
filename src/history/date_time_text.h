#pragma once
// The name a new history entry gets: the local date in the user's short date format, a
// blank and the time in the user's long time format.

#include <windows.h>

#include <string>

namespace pipetto {

// The time part is left out during the first second of a day (00:00:00), so an entry
// made then shows the date alone.
std::string date_time_text(const SYSTEMTIME& local_time);

// The same for now, taken once.
std::string current_date_time_text();

} // namespace pipetto
