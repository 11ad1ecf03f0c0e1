#pragma once
// One running program per user: a lock file named after the program in the temp folder.
// A lock left behind by a program that has ended (a crash) is taken over.
#include <QLockFile>
#include <string>

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const std::string& lock_file);
    // False when another running program holds the lock (or the lock cannot be had at all).
    bool acquire();

private:
    QLockFile lock_;
};

// The lock file of the program: "Quantilyzer-<user id>.lock" in the temp folder.
std::string program_lock_file();

// Takes the lock; when another program holds it, tells the analyst and answers false.
bool claim_single_instance(SingleInstanceLock& lock);
