@setlocal & set "LOG=%~dp0inkstamp-task.log"
@echo off
rem inkstamp-task.bat: runs inkstamp.exe for a scheduled task and ends with a
rem status that says whether every mark landed, which inkstamp's own exit
rem status does not (it is 0 when marks failed and when the server refused the
rem fax list). The arguments are inkstamp's, passed on unchanged:
rem
rem     inkstamp-task.bat -s faxserver -u ALICE -mp APP*
rem
rem It runs the inkstamp.exe that lies beside it, from whatever folder it is
rem started in (a scheduled task starts in C:\Windows\System32 unless told
rem otherwise). Each run appends to the log a line with the date, the time
rem and the arguments, inkstamp's output, and a line with the status. (While
rem inkstamp runs, its output goes to a file beside the log, LOG.NNNN.tmp,
rem which only a run stopped half-way leaves behind.) The log is the file
rem that the first line names: inkstamp-task.log beside this file, unless you
rem change that line, for example to
rem     @setlocal & set "LOG=D:\Logs\inkstamp.log"
rem
rem Exit status (the task's "Last Run Result"):
rem     0  every selected fax was marked ("failed:0" in the summary), or no
rem        fax matched ("faxes:0")
rem     1  no usable connection: five tries ten seconds apart failed, or the
rem        server's release is older than 5.20; nothing was marked
rem     2  the server's information could not be read; nothing was marked
rem     3  the user was not found (check -u); nothing was marked
rem     4  some faxes were not fully marked: the summary's "failed:" count is
rem        not 0; the log names each fax and each refused mark
rem     5  no summary: the server refused the user's fax list ("Can't
rem        retrieve fax list for user"), so nothing was marked
rem     6  inkstamp.exe is not in the folder of this batch file
rem     7  inkstamp.exe did not run to its end: Windows could not start it
rem        (for example, RFWIN32.dll was not found) or it crashed; the log
rem        gives the code Windows reported
rem     8  the log can't be written (its folder is missing or not writable);
rem        inkstamp was not run
rem   255  usage error (inkstamp's usage text is in the log); the server was
rem        not contacted
rem Statuses 1, 2, 3 and 255 are inkstamp's own.

set "PROGRAM=%~dp0inkstamp.exe"
set "OUTPUT=%LOG%.%RANDOM%.tmp"

rem A log that did not grow was not written: its folder is missing, or the
rem file is read-only or held by another program. (The errorlevel of a failed
rem redirection can't be relied on.)
set "BEFORE=none"
if exist "%LOG%" for %%F in ("%LOG%") do set "BEFORE=%%~zF"
>>"%LOG%" echo ==== %DATE% %TIME% inkstamp %*
set "AFTER=none"
if exist "%LOG%" for %%F in ("%LOG%") do set "AFTER=%%~zF"
if "%AFTER%"=="%BEFORE%" goto no_log

if exist "%PROGRAM%" goto run
set "RESULT=6"
set "WHY=inkstamp.exe is not in the folder of this batch file"
goto finish

:run
"%PROGRAM%" %* >"%OUTPUT%" 2>&1
set "STATUS=%ERRORLEVEL%"
type "%OUTPUT%"
type "%OUTPUT%" >>"%LOG%"

rem The summary line reads "faxes:4 marked:2 failed:2 skipped:6 total:10".
set "FAXES="
set "FAILED="
for /f "usebackq tokens=1-6 delims=: " %%a in ("%OUTPUT%") do (
  if "%%a"=="faxes" if "%%c"=="marked" if "%%e"=="failed" set "FAXES=%%b"
  if "%%a"=="faxes" if "%%c"=="marked" if "%%e"=="failed" set "FAILED=%%f"
)
del "%OUTPUT%"

set "RESULT=%STATUS%"
if "%STATUS%"=="1" set "WHY=no usable connection to the fax server" & goto finish
if "%STATUS%"=="2" set "WHY=the server's information could not be read" & goto finish
if "%STATUS%"=="3" set "WHY=the user was not found" & goto finish
if "%STATUS%"=="255" set "WHY=usage error" & goto finish
if "%STATUS%"=="0" goto ran
set "RESULT=7"
set "WHY=inkstamp.exe did not run to its end, Windows reported %STATUS%"
goto finish

:ran
set "RESULT=0"
set "WHY=every selected fax was marked"
if "%FAXES%"=="0" set "WHY=no fax matched"
if not defined FAILED set "RESULT=5" & set "WHY=no summary, the fax list was refused" & goto finish
if not "%FAILED%"=="0" set "RESULT=4" & set "WHY=faxes not fully marked: %FAILED%"

:finish
>>"%LOG%" echo ==== %DATE% %TIME% status %RESULT%: %WHY%
echo inkstamp-task: status %RESULT%: %WHY%
exit /b %RESULT%

:no_log
echo inkstamp-task: can't write the log "%LOG%"; inkstamp was not run 1>&2
exit /b 8
