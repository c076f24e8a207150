@echo off
REM a comment
:label
set X=1
if "%X%"=="1" goto label
