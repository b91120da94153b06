// Reading the track list of a folder of 500 tagged audio files (FLAC, MP3, Ogg Vorbis and
// Opus, 125 of each, 30 seconds long); the goal is less than a second.
#include <benchmark/benchmark.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "cover/tracks/TrackSource.h"

namespace fs = std::filesystem;

namespace {
struct Folder {
  Folder() {
    dir = fs::temp_directory_path() / ("quendrix-bench-tracks-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string wav = (dir / "tone.wav").string();
    bool ok =
        std::system(("sox -q -n -r 44100 -c 2 -b 16 '" + wav + "' synth 30 sine 440").c_str()) == 0;
    ok = ok &&
         std::system(("sox -q '" + wav + "' '" + (dir / "s.flac").string() + "'").c_str()) == 0;
    ok =
        ok && std::system(("sox -q '" + wav + "' '" + (dir / "s.ogg").string() + "'").c_str()) == 0;
    ok = ok &&
         std::system(
             ("lame --quiet -b 128 '" + wav + "' '" + (dir / "s.mp3").string() + "'").c_str()) == 0;
    ok = ok &&
         std::system(
             ("opusenc --quiet '" + wav + "' '" + (dir / "s.opus").string() + "'").c_str()) == 0;
    if (!ok) {
      error = "sox, lame or opusenc failed (scripts/setup installs them)";
      return;
    }
    const char* kinds[] = {".flac", ".mp3", ".ogg", ".opus"};
    for (int i = 0; i < 500; ++i) {
      const fs::path file = dir / "album" / ("track " + std::to_string(1000 + i) + kinds[i % 4]);
      fs::create_directories(file.parent_path());
      fs::copy_file(dir / (std::string("s") + kinds[i % 4]), file,
                    fs::copy_options::overwrite_existing);
      TagLib::FileRef ref(file.c_str());
      TagLib::PropertyMap map;
      map["TITLE"] = TagLib::String("Title of track " + std::to_string(i));
      map["ARTIST"] = TagLib::String("Artist " + std::to_string(i % 7));
      map["ALBUM"] = TagLib::String("A large collection");
      map["TRACKNUMBER"] = TagLib::String(std::to_string(i % 50 + 1));
      map["DISCNUMBER"] = TagLib::String(std::to_string(i / 50 + 1));
      ref.file()->setProperties(map);
      ref.save();
    }
  }
  ~Folder() { fs::remove_all(dir); }
  fs::path dir;
  std::string error;
};

Folder& Shared() {
  static Folder folder;
  return folder;
}

void BM_ReadFolderOf500TaggedFiles(benchmark::State& state) {
  Folder& f = Shared();
  if (!f.error.empty()) {
    state.SkipWithError(f.error.c_str());
    return;
  }
  for (auto _ : state) {
    TrackList list;
    std::string error;
    if (!ReadTrackList((f.dir / "album").string(), list, error) || list.tracks.size() != 500)
      state.SkipWithError("the folder was not read whole");
    benchmark::DoNotOptimize(list);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * 500);
}
}  // namespace
BENCHMARK(BM_ReadFolderOf500TaggedFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
