@setlocal & set "LOG=%ProgramData%\InkStamp\inkstamp-task.log"
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
rem otherwise). Each run appends to the log one entry: a line with the date,
rem the time, the run's mark in brackets and the arguments, inkstamp's output,
rem and a line with the date, the time, the same mark and the status. Runs
rem that start together (the 06:00 tasks of several users) each append their
rem entry whole, one after the other. While inkstamp runs, its output goes to
rem a folder of the run's own beside the log, LOG.MARK.tmp, which only a run
rem stopped half-way leaves behind, or one that could not append its entry,
rem which then says so and keeps the entry there. A run appends while it
rem holds LOG.lock, a folder that the others wait for up to a minute; only a
rem run stopped in that moment leaves it behind, to be removed by hand.
rem
rem The log is the file that the first line names, by default
rem %ProgramData%\InkStamp\inkstamp-task.log, whose folder the first run
rem makes. Change that line to keep it elsewhere, for example to
rem     @setlocal & set "LOG=D:\Logs\inkstamp.log"
rem The task's account must be able to create files and folders in the log's
rem folder and to change the log (INSTALL.txt shows the icacls line); this
rem file's own folder may stay read-only to it.
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
rem        (for example, RFWIN32.dll was not found), it crashed or it
rem        aborted; the log gives the code Windows reported and its meaning
rem     8  the log can't be written (its folder is missing or not writable,
rem        or the file is read-only); inkstamp was not run
rem     9  inkstamp.exe's output could not be kept (its file was missing, or
rem        empty after status 0), so what it did is unknown
rem   255  usage error (inkstamp's usage text is in the log); the server was
rem        not contacted
rem Statuses 1, 2, 3 and 255 are inkstamp's own.

set "PROGRAM=%~dp0inkstamp.exe"
set "DEFAULT_LOG=%ProgramData%\InkStamp\inkstamp-task.log"
if "%LOG%"=="%DEFAULT_LOG%" if not exist "%ProgramData%\InkStamp\" md "%ProgramData%\InkStamp" 2>nul

rem A log that can't be written is told before inkstamp runs, so that nothing
rem is marked without a record of it: a missing folder leaves no file, a
rem read-only file has the attribute, and on Windows a refused append fails
rem the command (cmd.exe leaves the errorlevel of a failed redirection as it
rem was, and Wine does not fail it at all, hence the other two checks).
set "WRITABLE="
>>"%LOG%" echo off && set "WRITABLE=1"
if not exist "%LOG%" set "WRITABLE="
set "ATTRIBUTES=--"
if exist "%LOG%" for %%F in ("%LOG%") do set "ATTRIBUTES=%%~aF"
if "%ATTRIBUTES:~1,1%"=="r" set "WRITABLE="
if not defined WRITABLE goto no_log

rem The run's own folder, beside the log: md either makes it or fails, so two
rem runs never share one. %RANDOM% follows the second in which cmd.exe
rem started, so runs started together draw the same numbers: the later one
rem goes on to the next. (md's errorlevel, not && or ||, which Wine's cmd.exe
rem takes as success either way; ver sets it to 0 first.)
set "TRIES=0"
:make_run_folder
set /a TRIES+=1
set "MARK=%RANDOM%"
set "RUN_FOLDER=%LOG%.%MARK%.tmp"
ver >nul
md "%RUN_FOLDER%" 2>nul
if not errorlevel 1 if exist "%RUN_FOLDER%\" goto made_run_folder
if %TRIES% lss 100 goto make_run_folder
echo inkstamp-task: can't make a folder beside the log "%LOG%"; inkstamp was not run 1>&2
exit /b 8

:made_run_folder
set "OUTPUT=%RUN_FOLDER%\output.txt"
set "ENTRY=%RUN_FOLDER%\entry.txt"
>"%ENTRY%" echo ==== %DATE% %TIME% [%MARK%] inkstamp %*

if exist "%PROGRAM%" goto run
set "RESULT=6"
set "WHY=inkstamp.exe is not in the folder of this batch file"
goto finish

:run
"%PROGRAM%" %* >"%OUTPUT%" 2>&1
set "STATUS=%ERRORLEVEL%"
rem Without its output file inkstamp.exe never ran, and the errorlevel is an
rem older one. An empty one with status 0 tells nothing either; with another
rem status, Windows may have refused to start it.
set "OUTPUT_SIZE=none"
if exist "%OUTPUT%" for %%F in ("%OUTPUT%") do set "OUTPUT_SIZE=%%~zF"
set "NO_OUTPUT="
if "%OUTPUT_SIZE%"=="none" set "NO_OUTPUT=1"
if "%OUTPUT_SIZE%"=="0" if "%STATUS%"=="0" set "NO_OUTPUT=1"
if defined NO_OUTPUT (
  set "RESULT=9"
  set "WHY=no output from inkstamp.exe, its file was missing or empty; what it did is unknown"
  goto finish
)
type "%OUTPUT%"
type "%OUTPUT%" >>"%ENTRY%"

rem The summary line reads "faxes:4 marked:2 failed:2 skipped:6 total:10";
rem an unknown user, "Invalid user: "NAME"".
set "FAXES="
set "FAILED="
set "UNKNOWN_USER="
for /f "usebackq tokens=1-6 delims=: " %%a in ("%OUTPUT%") do (
  if "%%a"=="faxes" if "%%c"=="marked" if "%%e"=="failed" set "FAXES=%%b"
  if "%%a"=="faxes" if "%%c"=="marked" if "%%e"=="failed" set "FAILED=%%f"
  if "%%a"=="Invalid" if "%%b"=="user" set "UNKNOWN_USER=1"
)

set "RESULT=%STATUS%"
if "%STATUS%"=="1" set "WHY=no usable connection to the fax server" & goto finish
if "%STATUS%"=="2" set "WHY=the server's information could not be read" & goto finish
if "%STATUS%"=="3" if defined UNKNOWN_USER set "WHY=the user was not found" & goto finish
if "%STATUS%"=="255" set "WHY=usage error" & goto finish
if "%STATUS%"=="0" goto ran
set "RESULT=7"
rem The C runtime's abort(), and so std::terminate and a failed assert, end
rem the process with 3 as well.
if "%STATUS%"=="3" (
  set "WHY=inkstamp.exe ended with 3 without naming an unknown user (it may have aborted)"
  goto finish
)
call :hexadecimal %STATUS%
set "WHY=inkstamp.exe did not run to its end, Windows reported %STATUS% (0x%HEX%)"
if "%HEX%"=="C0000135" set "WHY=%WHY%: a DLL it needs was not found (is RFWIN32.dll beside inkstamp.exe?)"
if "%HEX%"=="C0000005" set "WHY=%WHY%: it crashed (access violation)"
goto finish

:ran
set "RESULT=0"
set "WHY=every selected fax was marked"
if "%FAXES%"=="0" set "WHY=no fax matched"
if not defined FAILED set "RESULT=5" & set "WHY=no summary, the fax list was refused" & goto finish
if not "%FAILED%"=="0" set "RESULT=4" & set "WHY=faxes not fully marked: %FAILED%"

:finish
>>"%ENTRY%" echo ==== %DATE% %TIME% [%MARK%] status %RESULT%: %WHY%
echo inkstamp-task: status %RESULT%: %WHY%
call :append_entry
if defined APPENDED rd /s /q "%RUN_FOLDER%"
if not defined APPENDED echo inkstamp-task: can't append this run's entry to the log "%LOG%"; it is kept in "%ENTRY%" 1>&2
exit /b %RESULT%

rem Appends the entry whole while holding the log's lock, a folder beside it
rem that only one run at a time can make; a run waits for it about a minute
rem (ping pauses a second between its two echoes). APPENDED says whether the
rem log grew.
:append_entry
set "APPENDED="
set "LOCK=%LOG%.lock"
set "WAITED=0"
:take_lock
ver >nul
md "%LOCK%" 2>nul
if not errorlevel 1 if exist "%LOCK%\" goto locked
set /a WAITED+=1
if %WAITED% gtr 60 goto :eof
ping -n 2 127.0.0.1 >nul
goto take_lock
:locked
set "BEFORE=none"
if exist "%LOG%" for %%F in ("%LOG%") do set "BEFORE=%%~zF"
type "%ENTRY%" >>"%LOG%"
set "AFTER=none"
if exist "%LOG%" for %%F in ("%LOG%") do set "AFTER=%%~zF"
rd "%LOCK%"
if not "%AFTER%"=="%BEFORE%" set "APPENDED=1"
goto :eof

rem Sets HEX to the 8 hexadecimal digits of the 32-bit number %1, as Windows
rem writes its status codes (0xC0000135).
:hexadecimal
set "HEX="
set "DIGITS=0123456789ABCDEF"
for %%S in (28 24 20 16 12 8 4 0) do call :hexadecimal_digit %1 %%S
goto :eof
:hexadecimal_digit
set /a "DIGIT=(%1>>%2)&15"
call set "HEX=%%HEX%%%%DIGITS:~%DIGIT%,1%%"
goto :eof

:no_log
echo inkstamp-task: can't write the log "%LOG%"; inkstamp was not run 1>&2
exit /b 8
