#include "dayofweek.h"

int DayOfWeek(int year, int month, int day)
{
    if (month == 1 || month == 2) {
        month += 12;
        year -= 1;
    }
    return (day + 2 * month + (3 * month + 3) / 5 + year + year / 4 - year / 100 + year / 400 + 1) % 7;
}
