// Fuzz target: a TrueType collection as the font list reads it: the header's face table, then
// both name passes over the faces it lists. The file is read the way the program reads one
// (through FontBytes windows over a real file descriptor) and again from memory; the two
// readings must agree on the faces, names, languages and error codes.
// Input: the collection file.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/collectionheader.h"
#include "catalogue/fontbytes.h"
#include "catalogue/nametable.h"
#include "fuzzcheck.h"

namespace {

using fuzzcheck::Expect;

constexpr std::uint16_t kUserLang = 0x0409;
constexpr std::size_t kMaxFacesRead = 8;

struct Reading {
    bool isCollection = false;
    std::vector<std::uint32_t> faceOffsets;
    std::vector<catalogue::NameReadResult> results;
    std::vector<std::array<std::string, 8>> names;
};

catalogue::NameReadResult ReadPass(catalogue::FontBytes& bytes,
                                   const catalogue::NameRequest& request,
                                   std::array<std::string, 8>& names) {
    catalogue::NameTargets targets{};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i] = &names[i];
    }
    return catalogue::ReadNames(bytes, request, targets);
}

// The reader gives a face the same names wherever it is listed, so a face listed again is read
// once; and past a few faces more of them reach nothing new, they only slow the search.
std::vector<std::uint32_t> FacesToRead(std::vector<std::uint32_t> faceOffsets) {
    std::sort(faceOffsets.begin(), faceOffsets.end());
    faceOffsets.erase(std::unique(faceOffsets.begin(), faceOffsets.end()), faceOffsets.end());
    faceOffsets.resize(std::min(faceOffsets.size(), kMaxFacesRead));
    return faceOffsets;
}

Reading Read(catalogue::FontBytes& bytes) {
    Reading reading;
    reading.isCollection = catalogue::ReadCollectionHeader(bytes, reading.faceOffsets);
    for (const std::uint32_t faceOffset : FacesToRead(reading.faceOffsets)) {
        std::array<std::string, 8> names;
        const catalogue::NameReadResult first =
            ReadPass(bytes, {faceOffset, kUserLang, 0, true}, names);
        const catalogue::NameReadResult second =
            ReadPass(bytes, {faceOffset, kUserLang, first.lastLang, false}, names);
        reading.results.push_back(first);
        reading.results.push_back(second);
        reading.names.push_back(names);
    }
    return reading;
}

// The input as a file with a path, held in memory so that no disk is touched. One file serves
// every input: making one per input would cost more than reading it.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("collection", MFD_CLOEXEC)) {
        Expect(fd_ >= 0, "a memory file can be made");
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void Hold(const std::uint8_t* data, std::size_t size) {
        Expect(ftruncate(fd_, 0) == 0, "the memory file can be emptied");
        std::size_t done = 0;
        while (done < size) {
            const ssize_t wrote = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            Expect(wrote > 0, "the memory file takes the input");
            done += static_cast<std::size_t>(wrote);
        }
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

bool SameResults(const std::vector<catalogue::NameReadResult>& a,
                 const std::vector<catalogue::NameReadResult>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].error != b[i].error || a[i].lastLang != b[i].lastLang) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    catalogue::FontBytes memory(data, size);
    const Reading fromMemory = Read(memory);
    Expect(fromMemory.faceOffsets.size() <= catalogue::kMaxCollectionFaces,
           "a collection gives at most a hundred faces");
    Expect(fromMemory.isCollection || fromMemory.faceOffsets.empty(),
           "a file that is no collection gives no faces");

    static MemoryFile file;
    file.Hold(data, size);
    catalogue::FontBytes onDisk(file.Path());
    Expect(onDisk.Open(), "the file opens");
    const Reading fromFile = Read(onDisk);
    Expect(fromFile.isCollection == fromMemory.isCollection &&
               fromFile.faceOffsets == fromMemory.faceOffsets,
           "file and memory see the same collection header");
    Expect(SameResults(fromFile.results, fromMemory.results),
           "file and memory give the same error codes and languages");
    Expect(fromFile.names == fromMemory.names, "file and memory give the same names");
    return 0;
}
