@echo off
rem The sample disc's stand-in for the vendor's installer, started by the
rem Install button. On a real disc the vendor's own setup program stands here.
title Corvinel Professional 4.0 Setup
echo This is where the setup program of Corvinel Professional 4.0 starts.
echo On a real disc, the vendor's own setup program stands here.
echo.
pause
