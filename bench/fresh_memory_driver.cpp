// What fresh memory costs on this machine: the time to write a block of anonymous memory that
// the process has never touched, in the ways a long run can get it. The price of a page fault
// differs between machines of one kind, and a long run's time follows it.
//
//   fresh_memory_driver [megabytes]     (default 1024)
//
// Prints, for each way, the wall time of mapping, writing every byte and unmapping, and the
// minor faults it took; also the system's transparent huge page settings. Huge pages are
// measured twice: right after the block before was freed, when the system can hand the same
// memory out again, and after a pause, when a virtual machine may have given freed memory back
// to its host, which must then supply it afresh (the case of a program's first large run).
#include <sys/mman.h>
#include <sys/resource.h>

#include <chrono>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr size_t HugePage = size_t(2) << 20;

std::string FileLine(const char* path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line.empty() ? std::string("(not readable)") : line;
}

long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

enum class Way { PageByPage, Populate, PopulateWrite, HugePages };

const char* WayName(Way way)
{
    switch (way) {
    case Way::PageByPage: return "page by page";
    case Way::Populate: return "populated in one call (MAP_POPULATE)";
    case Way::PopulateWrite: return "populated in one call (MADV_POPULATE_WRITE)";
    case Way::HugePages: return "marked for huge pages (MADV_HUGEPAGE)";
    }
    return "";
}

void Measure(Way way, size_t bytes)
{
    const auto start = std::chrono::steady_clock::now();
    const long faultsBefore = MinorFaults();
    // Room for aligning the block to a huge page, as an allocator of huge blocks would.
    const size_t mapped = bytes + HugePage;
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS | (way == Way::Populate ? MAP_POPULATE : 0);
    void* map = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, flags, -1, 0);
    if (map == MAP_FAILED) {
        std::printf("%-45s mmap failed\n", WayName(way));
        return;
    }
    char* block = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(map) + HugePage - 1) / HugePage * HugePage);
    if (way == Way::HugePages)
        madvise(block, bytes, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
    if (way == Way::PopulateWrite && madvise(block, bytes, MADV_POPULATE_WRITE) != 0)
        std::printf("(MADV_POPULATE_WRITE refused) ");
#endif
    std::memset(block, 0x5a, bytes);
    // Read one byte per page back so that the writes cannot be left out.
    unsigned sum = 0;
    for (size_t i = 0; i < bytes; i += 4096)
        sum += static_cast<unsigned char>(block[i]);
    munmap(map, mapped);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-45s %6.3f s  %8ld minor faults  (check %u)\n", WayName(way), seconds, MinorFaults() - faultsBefore,
                sum & 1u);
}

} // namespace

int main(int argc, char** argv)
{
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 1024;
    if (megabytes <= 0) {
        std::fprintf(stderr, "usage: %s [megabytes]\n", argv[0]);
        return 2;
    }
    const size_t bytes = static_cast<size_t>(megabytes) << 20;
    std::printf("transparent_hugepage/enabled: %s\n", FileLine("/sys/kernel/mm/transparent_hugepage/enabled").c_str());
    std::printf("transparent_hugepage/defrag:  %s\n", FileLine("/sys/kernel/mm/transparent_hugepage/defrag").c_str());
    std::printf("writing %ld MB of fresh anonymous memory:\n", megabytes);
    for (Way way : {Way::PageByPage, Way::Populate, Way::PopulateWrite, Way::HugePages})
        Measure(way, bytes);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    std::printf("after a pause of 5 s:\n");
    Measure(Way::HugePages, bytes);
    Measure(Way::PageByPage, bytes);
    return 0;
}
