// Genetic code files kept under tests/data/genetic_code/ with what reading
// each must give: every fuzzer finding lands here as one more file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "platform/failure.h"
#include "ui/mod_genes.h"

namespace pelorin {
namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = PELORIN_GENETIC_CODE_DATA;

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kDataDir))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// "key: value" lines.
std::map<std::string, std::string> readExpectations(const fs::path& path) {
  std::map<std::string, std::string> values;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    values[line.substr(0, colon)] = line.substr(line.find_first_not_of(' ', colon + 1));
  }
  return values;
}

class GeneticCodeRegression : public ::testing::TestWithParam<std::string> {
 protected:
  void TearDown() override { modGenes::MutationRate = 0.0; }
};

TEST(GeneticCodeRegressionData, IsThere) { EXPECT_FALSE(caseNames().empty()) << kDataDir; }

TEST_P(GeneticCodeRegression, ReadsAsExpected) {
  const auto expected = readExpectations(kDataDir / (GetParam() + ".expected"));
  ASSERT_TRUE(expected.count("result") && expected.count("genes")) << GetParam() << ".expected is incomplete";

  std::ifstream in(kDataDir / (GetParam() + ".txt"), std::ios::binary);
  ASSERT_TRUE(in) << GetParam();
  modGenes::MutationRate = 0.0;
  clsGenSeq code;
  std::string result = "success";
  try {
    ReadGeneticCode(in, code);
  } catch (const Failure& failure) {
    result = failure.kindText().toStdString();
  }
  EXPECT_EQ(result, expected.at("result"));

  const int genes = std::stoi(expected.at("genes"));
  for (int k = 0; k < clsGenSeq::kGeneCount; ++k) EXPECT_EQ(code.HasGene(k), k < genes) << "gene " << k;
}

INSTANTIATE_TEST_SUITE_P(Files, GeneticCodeRegression, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace pelorin
