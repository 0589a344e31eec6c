#pragma once
// 0 Sunday ... 6 Saturday. Not used by the running program.
int DayOfWeek(int year, int month, int day);
