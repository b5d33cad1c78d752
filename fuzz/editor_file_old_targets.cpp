// The input editors' File Old: whatever the file holds, reading it either fills the data sets or
// stops with a message that names where (data set, record) and why, or refuses the file with its
// own message; nothing else may escape. A file that was read whole and can be saved is saved as a
// file that reads back into the same data sets: saving it again gives the same bytes.
#include "fuzz_targets.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_reader.h"
#include "layered_editor/layered_writer.h"
#include "shell/program_state.h"
#include "shell/record_reader.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_file_reader.h"
#include "slab_editor/slab_file_writer.h"
#include "slab_editor/slab_save_checks.h"

namespace pave::fuzz {

namespace {

// Reads `bytes` into fresh data sets; false when the read stopped or the file was refused.
template <typename Defaults, typename Read>
bool ReadFresh(const std::string& bytes, Defaults defaults, Read read) {
  defaults();
  FreeFormatReader in(bytes);
  try {
    read(in);
  } catch (const RecordReadError& error) {
    if (error.where().empty() || error.reason().empty()) Fault("a failed read that does not say where or why");
    return false;
  } catch (const FileRejected& rejected) {
    if (std::string(rejected.what()).empty()) Fault("a refused file without a message");
    return false;
  }
  return true;
}

template <typename Defaults, typename Read, typename Write>
int FileOld(const std::uint8_t* data, std::size_t size, Defaults defaults, Read read, Write write) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  if (!ReadFresh(input, defaults, read)) return 0;
  std::string saved;
  if (const std::optional<std::string> problem = write(saved)) {
    if (problem->empty()) Fault("a save refused without a message");
    return 0;
  }
  if (!ReadFresh(saved, defaults, read)) Fault("a saved file does not read back:\n" + saved);
  std::string again;
  if (write(again)) Fault("a file read back from its own save cannot be saved");
  if (again != saved) Fault("saving, reading and saving again changed the file:\n" + saved + "\n---\n" + again);
  return 0;
}

}  // namespace

int LayeredFileOld(const std::uint8_t* data, std::size_t size) {
  return FileOld(
      data, size, [] { LayeredDefaults(); }, [](FreeFormatReader& in) { ReadLayeredFile(in, LayeredReadHooks{}); },
      [](std::string& bytes) { return WriteLayeredFile(bytes); });
}

int SlabFileOld(const std::uint8_t* data, std::size_t size) {
  return FileOld(
      data, size,
      [] {
        ClearSlabDataSets();
        gSlabNPROB = Value(1);
        SetSlabDefaults();
      },
      [](FreeFormatReader& in) { ReadSlabFile(in); },
      [](std::string& bytes) -> std::optional<std::string> {
        if (std::optional<std::string> refusal = AnalysisRefusal()) return refusal;
        bytes = SlabFileText();
        return std::nullopt;
      });
}

}  // namespace pave::fuzz
