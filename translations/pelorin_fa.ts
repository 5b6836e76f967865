<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutAuthor</name>
    <message>
        <source>About Author</source>
        <translation>دربارهٔ نویسنده</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>برای آشنایی با نویسنده می‌توانید به این وبگاه سر بزنید:</translation>
    </message>
    <message>
        <source>     https://example.org/pelorin</source>
        <translation>     https://example.org/pelorin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutPelorin</name>
    <message>
        <source>About Pelorin</source>
        <translation>دربارهٔ Pelorin</translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation>نماد Pelorin</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>نماد Quorvel Software</translation>
    </message>
    <message>
        <source>Pelorin version 1.0</source>
        <translation>Pelorin، نسخهٔ 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Quorvel Software</source>
        <translation>حق نشر (C) Quorvel Software</translation>
    </message>
    <message>
        <source>Written by the Pelorin developers</source>
        <translation>نوشتهٔ توسعه‌دهندگان Pelorin</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to pelorin@example.org</source>
        <translation>اگر نظر یا پیشنهادی دربارهٔ این برنامه دارید، لطفاً آن را به pelorin@example.org بفرستید</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutQuorvel</name>
    <message>
        <source>About Quorvel Software</source>
        <translation>دربارهٔ Quorvel Software</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>نماد Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>برای آشنایی بیشتر با Quorvel Software و دیگر برنامه‌های آن به وبگاه ما سر بزنید. وبگاه ما از این نشانی در دسترس است: </translation>
    </message>
    <message>
        <source>      https://example.com/quorvel</source>
        <translation>      https://example.com/quorvel</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> یا به این نشانی ایمیل بزنید تا نشانی کنونی وبگاه Quorvel Software را برایتان بفرستیم:</translation>
    </message>
    <message>
        <source>      quorvel@example.com</source>
        <translation>      quorvel@example.com</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::BoardDelegate</name>
    <message>
        <source>Parent</source>
        <translation>والد</translation>
    </message>
</context>
<context>
    <name>pelorin::CellGridView</name>
    <message>
        <source>Picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1، بسته</translation>
    </message>
</context>
<context>
    <name>pelorin::EmbeddedCode</name>
    <message>
        <source>zlib cannot start</source>
        <translation>zlib راه‌اندازی نمی‌شود</translation>
    </message>
    <message>
        <source>its text chunk inflates to more than %1 KiB</source>
        <translation>بخش متنی آن پس از گشودن بیش از %1 کیلوبایت می‌شود</translation>
    </message>
    <message>
        <source>its text chunk&apos;s compressed data is damaged</source>
        <translation>داده‌های فشردهٔ بخش متنی آن آسیب دیده است</translation>
    </message>
    <message>
        <source>its text chunk is damaged</source>
        <translation>بخش متنی آن آسیب دیده است</translation>
    </message>
    <message>
        <source>it has more than %1 chunks</source>
        <translation>بیش از %1 بخش دارد</translation>
    </message>
    <message>
        <source>the PNG file ends before its last chunk</source>
        <translation>پروندهٔ PNG پیش از آخرین بخشش تمام می‌شود</translation>
    </message>
    <message>
        <source>the PNG file is damaged at byte %1</source>
        <translation>پروندهٔ PNG در بایت %1 آسیب دیده است</translation>
    </message>
    <message>
        <source>the PNG file ends inside its %1 chunk</source>
        <translation>پروندهٔ PNG در میانهٔ بخش %1 خود تمام می‌شود</translation>
    </message>
    <message>
        <source>its text chunk is larger than %1 KiB</source>
        <translation>بخش متنی آن بزرگ‌تر از %1 کیلوبایت است</translation>
    </message>
    <message>
        <source>the PNG file ends early</source>
        <translation>پروندهٔ PNG زودتر از موعد تمام می‌شود</translation>
    </message>
    <message>
        <source>its text chunk fails its CRC check</source>
        <translation>بخش متنی آن از آزمون CRC نمی‌گذرد</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>عناصر آن بیش از %1 لایه تودرتو هستند</translation>
    </message>
    <message>
        <source>none in its first %1 KiB</source>
        <translation>در %1 کیلوبایت نخست آن چیزی نیست</translation>
    </message>
    <message>
        <source>its XML is not well-formed in line %1: %2</source>
        <translation>XML آن در سطر %1 خوش‌ساخت نیست: %2</translation>
    </message>
</context>
<context>
    <name>pelorin::ErrorMR</name>
    <message>
        <source>ErrorMR</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>The Mutation Rate must be a number.</source>
        <translation>نرخ جهش باید یک عدد باشد.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::Failure</name>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>اندیس خارج از محدوده</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>ناسازگاری نوع</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>خواندن پس از پایان پرونده</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>خطای دسترسی به پرونده</translation>
    </message>
    <message>
        <source>Invalid arithmetic operation</source>
        <translation>عمل حسابی نامعتبر</translation>
    </message>
    <message>
        <source>No Pelorin genetic code</source>
        <translation>کد ژنتیکی Pelorin نیست</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>خطای ناشناخته</translation>
    </message>
    <message>
        <source>%1 holds no Pelorin genetic code.</source>
        <translation>%1 کد ژنتیکی Pelorin ندارد.</translation>
    </message>
    <message>
        <source>%1 holds no readable Pelorin genetic code: %2.</source>
        <translation>%1 کد ژنتیکی خوانای Pelorin ندارد: %2.</translation>
    </message>
    <message>
        <source>%1 in line %2</source>
        <translation>%1 در سطر %2</translation>
    </message>
    <message>
        <source>%1 in line %2 of %3</source>
        <translation>%1 در سطر %2 از %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 در %2</translation>
    </message>
</context>
<context>
    <name>pelorin::FamilyTreeView</name>
    <message>
        <source>Picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>%1, run of %2</source>
        <translation>%1، نشست %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1، بسته</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Parent: %1</source>
        <translation>والد: %1</translation>
    </message>
    <message>
        <source>Child: %1</source>
        <translation>فرزند: %1</translation>
    </message>
</context>
<context>
    <name>pelorin::FileAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>پروندهٔ عادی نیست</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeFile</name>
    <message>
        <source>separator</source>
        <translation>جداکننده</translation>
    </message>
    <message>
        <source>%1 of gene %2</source>
        <translation>%1 از ژن %2</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeModel</name>
    <message>
        <source>picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>%1: 1 trait (%2%)</source>
        <translation>%1: 1 صفت (%2٪)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n traits (%2%)</source>
        <translation>
            <numerusform>%1: %n صفت (%2٪)</numerusform>
        </translation>
    </message>
    <message>
        <source>from picture %1</source>
        <translation>از تصویر %1</translation>
    </message>
    <message>
        <source>random</source>
        <translation>تصادفی</translation>
    </message>
    <message>
        <source>mutated</source>
        <translation>جهش‌یافته</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>از %1</translation>
    </message>
    <message>
        <source>from the clipboard</source>
        <translation>از کلیپ‌بورد</translation>
    </message>
    <message>
        <source>from the file %1</source>
        <translation>از پروندهٔ %1</translation>
    </message>
    <message>
        <source>not in the file</source>
        <translation>در پرونده نیست</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>تعیین نشده</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (کشیده نشده)</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeWindow</name>
    <message>
        <source>Grey italic rows: 1 gene not drawn.</source>
        <translation>سطرهای خاکستری مورب: 1 ژن کشیده نشده است.</translation>
    </message>
    <message numerus="yes">
        <source>Grey italic rows: %n genes not drawn.</source>
        <translation>
            <numerusform>سطرهای خاکستری مورب: %n ژن کشیده نشده است.</numerusform>
        </translation>
    </message>
    <message>
        <source>Genetic code of picture %1</source>
        <translation>کد ژنتیکی تصویر %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellDelegate</name>
    <message>
        <source>closed</source>
        <translation>بسته</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellsModel</name>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>تصویر %1: آسیب‌دیده، %2</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>آسیب‌دیده: %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1، بسته</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryKeeper</name>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>reopening picture %1</source>
        <translation>بازگشایی تصویر %1</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin, so it cannot be resumed.</source>
        <translation>آخرین نشست هنوز در دست ثبت یک Pelorin دیگر است و نمی‌توان آن را ادامه داد.</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin: this resumes the run of %1.</source>
        <translation>آخرین نشست هنوز در دست ثبت یک Pelorin دیگر است: نشست %1 ادامه می‌یابد.</translation>
    </message>
    <message>
        <source>making picture %1 from %2</source>
        <translation>ساختن تصویر %1 از %2</translation>
    </message>
    <message>
        <source>bringing back picture %1</source>
        <translation>بازگرداندن تصویر %1</translation>
    </message>
    <message>
        <source>picture %1 (%2)</source>
        <translation>تصویر %1 (%2)</translation>
    </message>
    <message>
        <source>a picture (%1)</source>
        <translation>یک تصویر (%1)</translation>
    </message>
    <message>
        <source>The history %1 holds a record that cannot be read: %2. It was left out; the history goes on recording.</source>
        <translation>تاریخچهٔ %1 رکوردی دارد که خوانده نمی‌شود: %2. آن رکورد کنار گذاشته شد؛ تاریخچه به ثبت ادامه می‌دهد.</translation>
    </message>
    <message>
        <source>The history %1 holds records that cannot be read: %2. They were left out; the history goes on recording.</source>
        <translation>تاریخچهٔ %1 رکوردهایی دارد که خوانده نمی‌شوند: %2. آن رکوردها کنار گذاشته شدند؛ تاریخچه به ثبت ادامه می‌دهد.</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryRunsModel</name>
    <message>
        <source> (this run)</source>
        <translation> (همین نشست)</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (ادامه‌یافته)</translation>
    </message>
    <message>
        <source>This run, started %1, ended %2: %3, %4 open</source>
        <translation>همین نشست، آغاز %1، پایان %2: %3، %4 باز</translation>
    </message>
    <message>
        <source>This run, started %1: %2, %3 open</source>
        <translation>همین نشست، آغاز %1: %2، %3 باز</translation>
    </message>
    <message>
        <source>The run started %1, ended %2: %3, %4 open</source>
        <translation>نشست آغازشده در %1، پایان %2: %3، %4 باز</translation>
    </message>
    <message>
        <source>The run started %1, never ended (the program was stopped, or is still running): %2, %3 open</source>
        <translation>نشست آغازشده در %1، هرگز پایان نیافت (برنامه متوقف شد یا هنوز در حال اجراست): %2، %3 باز</translation>
    </message>
    <message>
        <source>%1; this run continues it</source>
        <translation>%1؛ همین نشست آن را ادامه می‌دهد</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>آغاز</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>تصویرها</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز</translation>
    </message>
</context>
<context>
    <name>pelorin::Info</name>
    <message>
        <source>Info</source>
        <translation>اطلاعات</translation>
    </message>
    <message>
        <source>Pelorin is a program that makes pictures using a Genetic Algorithm. When the you create a new picture, this program  creates a &quot;Genetic Code&quot; for that picture. This genetic code comes from two places: mutations, and the parents. When a gene mutates, it takes on a random value. If a gene doesn&apos;t mutate, it is taken randomly from one of the parents (a picture with the parent check box selected. It also is possible to save a picture (by typing the place where it is to be saved in the Name text box) and open a picture (by typing in the name of the file containing the &quot;Genetic Code&quot; into the text box to the right of the Open button. When saving a picture however, be careful because if the file you named exists, it will be overwritten.</source>
        <translation>Pelorin برنامه‌ای است که با یک الگوریتم ژنتیک تصویر می‌سازد. هنگامی که تصویر تازه‌ای می‌سازید، این برنامه برای آن تصویر یک «کد ژنتیکی» می‌سازد. این کد ژنتیکی از دو جا می‌آید: جهش‌ها و والدها. وقتی ژنی جهش می‌یابد، مقداری تصادفی می‌گیرد. اگر ژنی جهش نیابد، به‌تصادف از یکی از والدها گرفته می‌شود (تصویری که کادر «والد» آن تیک خورده است). همچنین می‌توانید تصویری را ذخیره کنید (با نوشتن جای ذخیره در کادر متنی «نام») و تصویری را باز کنید (با نوشتن نام پرونده‌ای که «کد ژنتیکی» را دارد در کادر متنی کنار دکمهٔ «باز کردن»). هنگام ذخیره مراقب باشید: اگر پرونده‌ای با آن نام وجود داشته باشد، بازنویسی می‌شود.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::License</name>
    <message>
        <source>License</source>
        <translation>مجوز</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Quorvel Software Home Page (see Info-&gt;About-&gt;Quorvel)</source>
        <translation>توافق‌نامهٔ مجوز کنونی و اطلاعات ثبت در وبگاه Quorvel Software در دسترس است (اطلاعات←درباره←Quorvel را ببینید).</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureExport</name>
    <message>
        <source>Picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>The image could not be encoded as PNG</source>
        <translation>تصویر را نمی‌توان به PNG رمزگذاری کرد</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureMime</name>
    <message>
        <source>dragging picture %1</source>
        <translation>کشیدن تصویر %1</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureOrigin</name>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n والد</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>Picture %1: not made</source>
        <translation>تصویر %1: ساخته نشد</translation>
    </message>
    <message>
        <source>Picture %1: random at mutation rate %2</source>
        <translation>تصویر %1: تصادفی با نرخ جهش %2</translation>
    </message>
    <message>
        <source>Picture %1: random</source>
        <translation>تصویر %1: تصادفی</translation>
    </message>
    <message>
        <source>Picture %1: bred from %2 at mutation rate %3</source>
        <translation>تصویر %1: پرورش‌یافته از %2 با نرخ جهش %3</translation>
    </message>
    <message>
        <source>Picture %1: read from %2, saved from %3, at mutation rate %4</source>
        <translation>تصویر %1: خوانده‌شده از %2، ذخیره‌شده از %3، با نرخ جهش %4</translation>
    </message>
    <message>
        <source>Picture %1: read from %2 at mutation rate %3</source>
        <translation>تصویر %1: خوانده‌شده از %2 با نرخ جهش %3</translation>
    </message>
    <message>
        <source>Picture %1: pasted from the clipboard at mutation rate %2</source>
        <translation>تصویر %1: چسبانده‌شده از کلیپ‌بورد با نرخ جهش %2</translation>
    </message>
    <message>
        <source>Picture %1: from %2</source>
        <translation>تصویر %1: از %2</translation>
    </message>
    <message>
        <source>Picture %1: from a recorded picture</source>
        <translation>تصویر %1: از یک تصویر ثبت‌شده</translation>
    </message>
    <message>
        <source>%1; %2 of %3 traits mutated</source>
        <translation>%1؛ %2 صفت از %3 جهش یافت</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>picture %1 of the run of %2</source>
        <translation>تصویر %1 از نشست %2</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureView</name>
    <message>
        <source>Nothing drawn</source>
        <translation>چیزی کشیده نشده</translation>
    </message>
    <message>
        <source>%1 of %2 segments drawn</source>
        <translation>%1 از %2 پاره‌خط کشیده شده</translation>
    </message>
</context>
<context>
    <name>pelorin::PicturesText</name>
    <message>
        <source>1 picture</source>
        <translation>1 تصویر</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n تصویر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::RunDate</name>
    <message>
        <source>d MMM yyyy HH:mm:ss</source>
        <comment>date format</comment>
        <translation>yyyy/MM/dd HH:mm:ss</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>date format</comment>
        <translation>yyyy/MM/dd HH:mm</translation>
    </message>
</context>
<context>
    <name>pelorin::UserMessages</name>
    <message>
        <source>Pelorin could not finish what it was doing: not enough memory.</source>
        <translation>Pelorin نتوانست کار در دستش را تمام کند: حافظه کافی نیست.</translation>
    </message>
    <message>
        <source>Pelorin could not finish what it was doing: an unexpected error occurred.</source>
        <translation>Pelorin نتوانست کار در دستش را تمام کند: خطایی پیش‌بینی‌نشده رخ داد.</translation>
    </message>
    <message>
        <source>Could not finish %1: not enough memory.</source>
        <translation>%1 به پایان نرسید: حافظه کافی نیست.</translation>
    </message>
    <message>
        <source>Could not finish %1: an unexpected error occurred.</source>
        <translation>%1 به پایان نرسید: خطایی پیش‌بینی‌نشده رخ داد.</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
</context>
<context>
    <name>pelorin::frmBoard</name>
    <message>
        <source>Board</source>
        <translation>میز</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Open a picture as the main window&apos;s Open does (Ctrl+O)</source>
        <translation>باز کردن تصویر، همانند دکمهٔ «باز کردن» در پنجرهٔ اصلی (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open pictures</source>
        <translation>تصویرهای باز</translation>
    </message>
    <message>
        <source>Close Picture Window</source>
        <translation>بستن پنجرهٔ تصویر</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;نما</translation>
    </message>
    <message>
        <source>View</source>
        <translation>نما</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>نوار منو</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;کوچک‌نمایی</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;مسیرهای کامل</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>آوردن به جلو</translation>
    </message>
</context>
<context>
    <name>pelorin::frmFamilyTree</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>تصویر SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>تصویر PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>تصویر PNG، 2x (*.png)</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;مسیرهای کامل</translation>
    </message>
    <message>
        <source>Show each picture&apos;s whole path, framed to its cell</source>
        <translation>نمایش مسیر کامل هر تصویر، جاگرفته در خانهٔ خودش</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>شجره‌نامه</translation>
    </message>
    <message>
        <source>Family Tree of This Picture</source>
        <translation>شجره‌نامهٔ این تصویر</translation>
    </message>
    <message>
        <source>Export Family Tree...</source>
        <translation>برون‌بری شجره‌نامه...</translation>
    </message>
    <message>
        <source>Whole Tree</source>
        <translation>کل شجره‌نامه</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>کوچک‌نمایی</translation>
    </message>
    <message>
        <source>Family tree of picture %1</source>
        <translation>شجره‌نامهٔ تصویر %1</translation>
    </message>
    <message>
        <source>Family tree of picture %1, run of %2</source>
        <translation>شجره‌نامهٔ تصویر %1، نشست %2</translation>
    </message>
    <message>
        <source>Another program is writing the history: the tree is read once it is done.</source>
        <translation>برنامهٔ دیگری در حال نوشتن تاریخچه است: شجره‌نامه پس از پایان کار آن خوانده می‌شود.</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>تاریخچه در دسترس نیست.</translation>
    </message>
    <message>
        <source>This picture is not in the history.</source>
        <translation>این تصویر در تاریخچه نیست.</translation>
    </message>
    <message>
        <source>Laying out the family tree...</source>
        <translation>در حال چیدن شجره‌نامه...</translation>
    </message>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>تصویر %1: آسیب‌دیده، %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1، بسته</translation>
    </message>
    <message>
        <source>From %1 to %2: %3% of its traits; %4 of %5 traits mutated</source>
        <translation>از %1 به %2: %3٪ از صفت‌هایش؛ %4 صفت از %5 جهش یافت</translation>
    </message>
    <message>
        <source>The family could not be read from the history.</source>
        <translation>خانواده را نمی‌توان از تاریخچه خواند.</translation>
    </message>
    <message>
        <source>laying out the family tree</source>
        <translation>چیدن شجره‌نامه</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>family-tree-%1.svg</source>
        <translation>family-tree-%1.svg</translation>
    </message>
    <message>
        <source>Export Family Tree</source>
        <translation>برون‌بری شجره‌نامه</translation>
    </message>
    <message>
        <source>exporting the family tree to &quot;%1&quot;</source>
        <translation>برون‌بری شجره‌نامه به «%1»</translation>
    </message>
</context>
<context>
    <name>pelorin::frmHistory</name>
    <message>
        <source>This run</source>
        <translation>همین نشست</translation>
    </message>
    <message>
        <source>The run of %1</source>
        <translation>نشست %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>&amp;Keep history</source>
        <translation>&amp;نگه‌داشتن تاریخچه</translation>
    </message>
    <message>
        <source>Record every picture made, and what becomes of it, in the history</source>
        <translation>ثبت هر تصویر ساخته‌شده و سرانجام آن در تاریخچه</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;ادامه</translation>
    </message>
    <message>
        <source>&amp;Forget Run</source>
        <translation>&amp;فراموش کردن نشست</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>نشست‌ها</translation>
    </message>
    <message>
        <source>Forget Run</source>
        <translation>فراموش کردن نشست</translation>
    </message>
    <message>
        <source>Pictures of the chosen run</source>
        <translation>تصویرهای نشست برگزیده</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>شجره‌نامه...</translation>
    </message>
    <message>
        <source>The chosen run is still being recorded by another Pelorin</source>
        <translation>نشست برگزیده هنوز در دست ثبت یک Pelorin دیگر است</translation>
    </message>
    <message>
        <source>Continue the chosen run: its open pictures come back, and numbering goes on after its last</source>
        <translation>ادامهٔ نشست برگزیده: تصویرهای باز آن برمی‌گردند و شماره‌گذاری پس از آخرین تصویرش ادامه می‌یابد</translation>
    </message>
    <message>
        <source>Remove the chosen run and its pictures from the history (Delete)</source>
        <translation>حذف نشست برگزیده و تصویرهایش از تاریخچه (Delete)</translation>
    </message>
    <message>
        <source>%1: no pictures</source>
        <translation>%1: بدون تصویر</translation>
    </message>
    <message>
        <source>%1: %2, %3 open</source>
        <translation>%1: %2، %3 باز</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>تاریخچه در دسترس نیست.</translation>
    </message>
    <message>
        <source>Another program is writing the history: what this one records waits for it, and the history is shown again once it is done.</source>
        <translation>برنامهٔ دیگری در حال نوشتن تاریخچه است: آنچه این برنامه ثبت می‌کند منتظر آن می‌ماند و تاریخچه پس از پایان کار آن دوباره نمایش داده می‌شود.</translation>
    </message>
    <message>
        <source>Keep history is off: nothing more is recorded.</source>
        <translation>«نگه‌داشتن تاریخچه» خاموش است: دیگر چیزی ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>Forget the run of %1? It holds no pictures.</source>
        <translation>نشست %1 فراموش شود؟ تصویری در آن نیست.</translation>
    </message>
    <message>
        <source>Forget the run of %1 and the %2 it holds? They cannot be brought back.</source>
        <translation>نشست %1 و تصویرهایش (%2) فراموش شوند؟ دیگر نمی‌توان آن‌ها را بازگرداند.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
</context>
<context>
    <name>pelorin::frmMain</name>
    <message>
        <source>Main</source>
        <translation>پنجرهٔ اصلی</translation>
    </message>
    <message>
        <source>Mutation Rate</source>
        <translation>نرخ جهش</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>نوار منو</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>New Picture from Clipboard</source>
        <translation>تصویر تازه از کلیپ‌بورد</translation>
    </message>
    <message>
        <source>&amp;Reopen Closed Picture</source>
        <translation>&amp;بازگشایی تصویر بسته‌شده</translation>
    </message>
    <message>
        <source>Resume &amp;Last Run</source>
        <translation>ادامهٔ &amp;آخرین نشست</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;نما</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;میز</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;تاریخچه</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;اطلاعات</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;درباره</translation>
    </message>
    <message>
        <source>showing %1</source>
        <translation>نمایش %1</translation>
    </message>
    <message>
        <source>About &amp;Pelorin</source>
        <translation>دربارهٔ &amp;Pelorin</translation>
    </message>
    <message>
        <source>About &amp;Quorvel</source>
        <translation>دربارهٔ &amp;Quorvel</translation>
    </message>
    <message>
        <source>About &amp;Author</source>
        <translation>دربارهٔ &amp;نویسنده</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;مجوز</translation>
    </message>
    <message>
        <source>making picture %1</source>
        <translation>ساختن تصویر %1</translation>
    </message>
    <message>
        <source>making picture %1 named &quot;%2&quot;</source>
        <translation>ساختن تصویر %1 با نام «%2»</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>These dropped items made no picture:</source>
        <translation>از این موارد رهاشده تصویری ساخته نشد:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer; nothing was fetched.</source>
        <translation>«%1» پرونده‌ای روی این رایانه نیست؛ چیزی دریافت نشد.</translation>
    </message>
    <message>
        <source>making a picture of &quot;%1&quot;</source>
        <translation>ساختن تصویر از «%1»</translation>
    </message>
    <message>
        <source>making a picture of dropped text</source>
        <translation>ساختن تصویر از متن رهاشده</translation>
    </message>
    <message>
        <source>the dropped text</source>
        <translation>متن رهاشده</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>شجره‌نامه</translation>
    </message>
    <message>
        <source>Another program is writing the history: try again once it is done.</source>
        <translation>برنامهٔ دیگری در حال نوشتن تاریخچه است: پس از پایان کار آن دوباره امتحان کنید.</translation>
    </message>
    <message>
        <source>Picture %1 is not in the history, so its family is not known.</source>
        <translation>تصویر %1 در تاریخچه نیست، پس خانواده‌اش شناخته نیست.</translation>
    </message>
    <message>
        <source>No picture was made: the clipboard holds no text.</source>
        <translation>تصویری ساخته نشد: کلیپ‌بورد متنی ندارد.</translation>
    </message>
    <message>
        <source>the clipboard text</source>
        <translation>متن کلیپ‌بورد</translation>
    </message>
</context>
<context>
    <name>pelorin::frmObject</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>تصویر PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>تصویر PNG، 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 4x (*.png)</source>
        <translation>تصویر PNG، 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>تصویر SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image, whole path (*.png)</source>
        <translation>تصویر PNG، مسیر کامل (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 2x (*.png)</source>
        <translation>تصویر PNG، مسیر کامل، 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 4x (*.png)</source>
        <translation>تصویر PNG، مسیر کامل، 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image, whole path (*.svg)</source>
        <translation>تصویر SVG، مسیر کامل (*.svg)</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>تصویر</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>والد</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>تصویر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>برون‌بری تصویر...</translation>
    </message>
    <message>
        <source>Genetic Code...</source>
        <translation>کد ژنتیکی...</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>شجره‌نامه...</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>تصویر %1</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>saving picture %1 to &quot;%2&quot;</source>
        <translation>ذخیرهٔ تصویر %1 در «%2»</translation>
    </message>
    <message>
        <source>Nothing was saved: picture %1 could not be created.</source>
        <translation>چیزی ذخیره نشد: تصویر %1 ساخته نشد.</translation>
    </message>
    <message>
        <source>copying picture %1</source>
        <translation>رونوشت‌برداری از تصویر %1</translation>
    </message>
    <message>
        <source>Nothing was copied: picture %1 could not be created.</source>
        <translation>رونوشتی برداشته نشد: تصویر %1 ساخته نشد.</translation>
    </message>
    <message>
        <source>exporting picture %1</source>
        <translation>برون‌بری تصویر %1</translation>
    </message>
    <message>
        <source>Nothing was exported: picture %1 could not be created.</source>
        <translation>چیزی برون‌بری نشد: تصویر %1 ساخته نشد.</translation>
    </message>
    <message>
        <source>Pelorin %1</source>
        <translation>Pelorin %1</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>برون‌بری تصویر</translation>
    </message>
    <message>
        <source>Nothing was shown: picture %1 could not be created.</source>
        <translation>چیزی نمایش داده نشد: تصویر %1 ساخته نشد.</translation>
    </message>
</context>
<context>
    <name>pelorin::history::CodeBlob</name>
    <message>
        <source>empty record</source>
        <translation>رکورد خالی</translation>
    </message>
    <message>
        <source>unreadable record</source>
        <translation>رکورد ناخوانا</translation>
    </message>
    <message>
        <source>genetic code of wrong size</source>
        <translation>کد ژنتیکی با اندازهٔ نادرست</translation>
    </message>
    <message>
        <source>trait sources of wrong size</source>
        <translation>منشأ صفت‌ها با اندازهٔ نادرست</translation>
    </message>
</context>
<context>
    <name>pelorin::history::HistoryStore</name>
    <message>
        <source>its number is not a picture number</source>
        <translation>شماره‌اش شمارهٔ تصویر نیست</translation>
    </message>
    <message>
        <source>how it was made is unreadable</source>
        <translation>چگونگی ساخته‌شدنش ناخواناست</translation>
    </message>
    <message>
        <source>its genetic code is unreadable</source>
        <translation>کد ژنتیکی‌اش ناخواناست</translation>
    </message>
    <message>
        <source>the sources of its traits are unreadable</source>
        <translation>منشأ صفت‌هایش ناخواناست</translation>
    </message>
    <message>
        <source>its number was given to an earlier picture</source>
        <translation>شماره‌اش پیش‌تر به تصویر دیگری داده شده است</translation>
    </message>
    <message>
        <source>a parent&apos;s number is not a picture number</source>
        <translation>شمارهٔ یکی از والدها شمارهٔ تصویر نیست</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds but cannot record this run.</source>
        <translation>دیسک پر است: تاریخچهٔ %1 آنچه را دارد نگه می‌دارد، اما نمی‌تواند این نشست را ثبت کند.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds; nothing is recorded until there is room again.</source>
        <translation>دیسک پر است: تاریخچهٔ %1 آنچه را دارد نگه می‌دارد؛ تا جا باز نشود چیزی ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2); this run is not recorded.</source>
        <translation>تاریخچهٔ %1 نوشتنی نیست (%2)؛ این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 failed (%2); nothing more of this run is recorded.</source>
        <translation>تاریخچهٔ %1 از کار افتاد (%2)؛ دیگر چیزی از این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The folder of the history %1 cannot be made (%2); this run is not recorded.</source>
        <translation>پوشهٔ تاریخچهٔ %1 ساخته نمی‌شود (%2)؛ این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be made (%2); this run is not recorded.</source>
        <translation>پروندهٔ قفل تاریخچه %1 ساخته نمی‌شود (%2)؛ این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 comes from a newer Pelorin (version %2); it is left as it is and this run is not recorded.</source>
        <translation>تاریخچهٔ %1 از یک Pelorin تازه‌تر است (نسخهٔ %2)؛ دست‌نخورده می‌ماند و این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 is another program&apos;s database; it is left as it is and this run is not recorded.</source>
        <translation>تاریخچهٔ %1 پایگاه دادهٔ برنامهٔ دیگری است؛ دست‌نخورده می‌ماند و این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 is not a regular file; it is left as it is and this run is not recorded.</source>
        <translation>تاریخچهٔ %1 پروندهٔ عادی نیست؛ دست‌نخورده می‌ماند و این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 cannot be made; this run is not recorded.</source>
        <translation>دیسک پر است: تاریخچهٔ %1 ساخته نمی‌شود؛ این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>it is not a Pelorin history</source>
        <translation>تاریخچهٔ Pelorin نیست</translation>
    </message>
    <message>
        <source>it failed its check: %1</source>
        <translation>از بررسی نگذشت: %1</translation>
    </message>
    <message>
        <source>it is not a database: %1</source>
        <translation>پایگاه داده نیست: %1</translation>
    </message>
    <message>
        <source>The history %1 cannot be begun afresh.</source>
        <translation>تاریخچهٔ %1 را نمی‌توان از نو آغاز کرد.</translation>
    </message>
    <message>
        <source>The history %1 cannot be used (%2) nor moved aside (%3); this run is not recorded.</source>
        <translation>تاریخچهٔ %1 نه به کار می‌آید (%2) و نه کنار گذاشته می‌شود (%3)؛ این نشست ثبت نمی‌شود.</translation>
    </message>
    <message>
        <source>The history %1 could not be used (%2); it was moved aside to %3 and a new history begins.</source>
        <translation>تاریخچهٔ %1 به کار نیامد (%2)؛ به %3 جابه‌جا شد و تاریخچه‌ای تازه آغاز می‌شود.</translation>
    </message>
    <message>
        <source>not a Pelorin history</source>
        <translation>تاریخچهٔ Pelorin نیست</translation>
    </message>
</context>
</TS>
