rovik %1 %2 %3 %4 %5 %6 %7 %8 %9 >T~.BAT
call T~.BAT
del T~.BAT
