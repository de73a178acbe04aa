// mainApp: the Brisk Download application object; every start does one job through Run.
#pragma once

#include "genApp.h"
#include "pref"

class zipDirectory;
struct keptDownload;

class mainApp : public genApp {
public:
    // Builds the application and its preference store: the five options in Briskdl.ini beside
    // the program, section Brisk Download.
    mainApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    ~mainApp() override;

    // The mode dispatch: uninstall, self-installation, the Options dialog or the download
    // hand-off, chosen from the command line. Returns 1.
    int Run() override;

    str VersionCaption(); // "Brisk Download 96.6.20"

    // The jobs.
    // The Options dialog; a file that cannot be saved is named to the user. Returns 1.
    int ShowOptions();
    int HandleDownload(str file);
    int InstallSelf();
    // Takes the program's registrations away. Returns what is left, one line each ("" when
    // nothing is). *othersKept, when given, receives the types whose helpers an older
    // installation kept in the uninstall entry and this user's uninstallation did not give back
    // ("" when none): the entry stays for them.
    str RemoveRegistration(str* othersKept = nullptr);

    // Adds (install) or removes the Explorer verb "Brisk Install" for .exe and .zip files, under
    // each extension's file class, or under the extension key when it has none; removal also
    // takes it from the extension keys and from any class whose verb starts the program. Returns
    // whether every write (install) or deletion succeeded.
    bool RegisterShellVerb(bool install);
    // Makes the program the browser's helper for the five program MIME types (install), taking a
    // Symantec scanner that was the helper before into the "Anti-virus scanner" option (not
    // saved here) and keeping another program's helper for this user; or gives each type that
    // this program still serves back its kept helper, or an empty one. A table that cannot be
    // read is not written over. Returns the types that could not be registered or given back,
    // separated by ", " ("" when none); at uninstallation, those of them whose kept helper could
    // not be given back go into *notGivenBack instead, when it is given.
    str RegisterViewers(bool install, str* notGivenBack = nullptr);

    // Writes a REG_SZ value, creating its key; returns whether it was written. Every registry write
    // of the installation goes through here, so that a test can make one fail.
    virtual bool WriteValue(HKEY root, const char* key, const char* name, const char* text);

    // Starts a program with the program's start-up settings; an empty application name lets the
    // command line name the program. The start-up flags are STARTF_FORCEONFEEDBACK (the busy
    // cursor) but for the extractor, which has none. Returns whether it started; *process is
    // then its handle, which the caller closes.
    bool LaunchProgram(str workingFolder, str commandLine, HANDLE* process, str applicationName,
                       DWORD startFlags = STARTF_FORCEONFEEDBACK);

    // The hand-off's unpack step: pkunzip on the target, with tempFolder made current once the
    // program has been looked up, waited for at most limitMs. unpackFailed: it ended with a
    // status other than 0, given in *status; unpackNoFolder: tempFolder cannot be current;
    // unpackNotFullPath: its location is a folder that is not a full path.
    enum unpackResult {
        unpacked,
        unpackNotStarted,
        unpackNoFolder,
        unpackTimedOut,
        unpackFailed,
        unpackNotFullPath
    };
    unpackResult UnpackArchive(const str& target, const str& tempFolder, DWORD limitMs, DWORD* status);

    str installedPath;
    str modulePath;
    int afterDownload;

private:
    bool namedSetup();
    // The Options dialog; whichever button closed it, the changed options are saved. Returns
    // whether they were.
    bool editOptions();
    // The options file, in long form.
    str optionsFile();
    // After editOptions: the option whose value could not be saved because it holds a line
    // break, or null.
    prefItem* unstorableOption();
    str askFolder();
    str option(int id);
    // How the scan went: only a scanner that ran to its end lets the hand-off go on.
    enum scanResult {
        scanDone,
        scanNotStarted,
        scanNotFullPath,
        scanBroken,
        scanRemovedFile,
        scanUnsafeName
    };
    scanResult scan(const str& file, str& scanner, DWORD& status);
    void keepForLater(const str& file, const str& downloadFolder, bool tell);
    void installNow(const str& file, const str& downloadFolder, bool zip);
    void installZip(const str& archive, const str& tempFolder, const str& downloadFolder,
                    zipDirectory& listing);
    void installExe(const str& program, const str& folder, const str& downloadFolder);
    void browse(const str& folder);
    // Keeps the file in the download folder and tells the user, after the preface, why it was
    // not installed, where it is now and, when then is given, how to install it later.
    void stop(const str& why, const str& file, const str& downloadFolder, const char* then,
              const str& preface = str(""));
    // Where a stop leaves the file that the download now is: where it was handed over when it
    // stays there, else kept in the download folder.
    keptDownload keep(const str& file, const str& downloadFolder);
    // The download by its full path as handed over, and whether it stays there at a stop: a
    // program inside the temporary folder, which runs where it is, beside its data.
    str download;
    bool downloadStays = false;
};
