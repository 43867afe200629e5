#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "template.h"

namespace {

class TemplateFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vorm_template_XXXXXX";
    int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    close(fd);
    path_ = pattern;
  }
  void TearDown() override { std::remove(path_.c_str()); }

  void Write(const std::string &text) {
    std::FILE *file = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(nullptr, file);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }

  std::string path_;
};

TEST_F(TemplateFile, LoadsAFile) {
  Write("[template]\nname = Start\nsize = 100, 100\n[label]\ntext = Hi\nat = 1, 1, 50, 20\n");
  vorm::Template form;
  vorm::TemplateError error;
  ASSERT_TRUE(vorm::LoadTemplate(path_.c_str(), form, error)) << error.reason;
  EXPECT_EQ("Start", form.name);
  EXPECT_EQ(1u, form.elements.size());
}

TEST_F(TemplateFile, TellsWhyAFileCannotBeUsed) {
  vorm::Template form;
  vorm::TemplateError error;
  EXPECT_FALSE(vorm::LoadTemplate("/nonexistent/start.vrm", form, error));
  EXPECT_EQ("the file does not exist", vorm::DescribeTemplateError(error));
  EXPECT_FALSE(vorm::LoadTemplate("/tmp", form, error));  // a folder
  EXPECT_EQ("the file cannot be read", vorm::DescribeTemplateError(error));
  EXPECT_FALSE(vorm::LoadTemplate(nullptr, form, error));
  EXPECT_FALSE(vorm::LoadTemplate("", form, error));

  Write("[template]\nname = T\nsize = 10, 10\n" + std::string(vorm::kMaxTemplateBytes, ';'));
  EXPECT_FALSE(vorm::LoadTemplate(path_.c_str(), form, error));
  EXPECT_EQ(0, error.line);
  EXPECT_EQ("the file is larger than 262144 bytes", error.reason);

  Write("[template]\nname = T\nsize = 10, 10\n[edit]\nname = a\nat = 0, 0, 11, 5\n");
  EXPECT_FALSE(vorm::LoadTemplate(path_.c_str(), form, error));
  EXPECT_EQ("line 4: [edit] reaches beyond the window (10 x 10)",
            vorm::DescribeTemplateError(error));
}

TEST(ResolveBeside, NamesFilesFromTheTemplatesFolder) {
  EXPECT_EQ("C:\\disc\\screens\\buyer.vrm",
            vorm::ResolveBeside("C:\\disc\\screens\\start.vrm", "buyer.vrm"));
  EXPECT_EQ("C:\\disc\\screens\\art\\logo.bmp",
            vorm::ResolveBeside("C:\\disc\\screens\\start.vrm", "art\\logo.bmp"));
  EXPECT_EQ("/disc/screens/logo.bmp", vorm::ResolveBeside("/disc/screens/start.vrm", "logo.bmp"));
  EXPECT_EQ("logo.bmp", vorm::ResolveBeside("start.vrm", "logo.bmp"));
  EXPECT_EQ("D:\\x.vrm", vorm::ResolveBeside("C:\\disc\\start.vrm", "D:\\x.vrm"));
  EXPECT_EQ("\\x.vrm", vorm::ResolveBeside("C:\\disc\\start.vrm", "\\x.vrm"));
}

}  // namespace
