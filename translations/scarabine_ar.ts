<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar">
<context>
    <name>Calendar</name>
    <message>
        <source>Basted</source>
        <translatorcomment>An old spelling of Bastet that one July date range shows; Arabic has no such variant, so the usual name is written.</translatorcomment><translation>باستيت</translation>
    </message>
    <message>
        <source>Amon Ra</source>
        <translation>آمون رع</translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation>أنوبيس</translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation>باستيت</translation>
    </message>
    <message>
        <source>Geb</source>
        <translation>جب</translation>
    </message>
    <message>
        <source>Horus</source>
        <translation>حورس</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>إيزيس</translation>
    </message>
    <message>
        <source>Mut</source>
        <translatorcomment>The goddess Mut; the Arabic word for death is spelt the same, the context makes the goddess plain.</translatorcomment><translation>موت</translation>
    </message>
    <message>
        <source>The Nile</source>
        <translation>النيل</translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation>أوزوريس</translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translation>سخمت</translation>
    </message>
    <message>
        <source>Seth</source>
        <translatorcomment>Seth as Egyptologists writing in Arabic name him (ست).</translatorcomment><translation>ست</translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation>تحوت</translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation>آمون رع</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>The Nile and Horus</source>
        <translation>النيل وحورس</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>الأصفر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>البرتقالي</translation>
    </message>
    <message>
        <source>Masculine</source>
        <translatorcomment>The sign's polarity (its active side), not grammar.</translatorcomment><translation>مذكر</translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation>آمون رع</translation>
    </message>
    <message>
        <source>Generous, Fruitful and Helpful</source>
        <translation>كريم، مثمر ومعطاء</translation>
    </message>
    <message>
        <source>The god of Creation</source>
        <translation>إله الخلق</translation>
    </message>
    <message>
        <source>Ram and Goose</source>
        <translation>الكبش والإوزة</translation>
    </message>
    <message>
        <source>A man with blue skin wearing a crown having double feather plumes</source>
        <translation>رجل أزرق البشرة يلبس تاجًا بريشتين مزدوجتين</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>The principal god of Egypt is Ra - who signifies the wheel of the sun that crosses the sky each day. Joined with Amon, the hidden one of Thebes, he became Amon-Ra, king of the gods and creator of all things. He is shown as a blue skinned man in a crown of two plumes; the ram is sacred.</source>
        <translatorcomment>"Wheel of the sun" is given as the sun's disc (قرص الشمس), the image Arabic readers know.</translatorcomment><translation>الإله الأعظم في مصر هو رع، الذي يرمز إلى قرص الشمس الذي يعبر السماء كل يوم. وحين اتحد بآمون، الخفي في طيبة، صار آمون رع، ملك الآلهة وخالق كل شيء. ويُصوَّر رجلًا أزرق البشرة يلبس تاجًا من ريشتين، والكبش حيوانه المقدس.</translation>
    </message>
    <message>
        <source>People born under Ra are known to be generous and are often the first to help a friend in need. They are natural leaders who inspire confidence, and their warmth and optimism draw many people to them. Fruitful in ideas and helpful in deeds, they work very hard and like to see their plans come to life. They are honest and expect the same from others. On the other side, they can be proud and find it hard to admit a mistake, and they may become stubborn when their authority is questioned. In relationships they are protective and faithful, and they give a lot of themselves. They need a partner who respects them and shares their zest for life.</source>
        <translation>يُعرف المولودون في برج رع بالكرم، وكثيرًا ما يكونون أول من يمد يد العون لصديق في حاجة. هم قادة بالفطرة يبعثون الثقة، ويجذب دفؤهم وتفاؤلهم الكثيرين إليهم. أغنياء بالأفكار ومعطاؤون بالأفعال، يعملون بجد كبير ويحبون أن يروا خططهم تتحقق. هم صادقون وينتظرون الصدق من غيرهم. وفي المقابل قد يكونون متكبرين يصعب عليهم الاعتراف بالخطأ، وقد يعاندون إذا شُكك في سلطتهم. وفي العلاقات هم حماة أوفياء يعطون الكثير من أنفسهم، ويحتاجون شريكًا يحترمهم ويشاركهم حبهم للحياة.</translation>
    </message>
    <message>
        <source>Bastet and Isis</source>
        <translation>باستيت وإيزيس</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>البني المحمر</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>القرمزي</translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation>أنوبيس</translation>
    </message>
    <message>
        <source>Cunning, Clever, Sympathetic and Persevering</source>
        <translation>داهية، ذكي، عطوف ومثابر</translation>
    </message>
    <message>
        <source>The god of Death</source>
        <translation>إله الموتى</translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation>ابن آوى</translation>
    </message>
    <message>
        <source>A jackal headed man</source>
        <translation>رجل برأس ابن آوى</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>Anubis symbolizes the head of a wild dog. He is the jackal headed guardian of tombs and the god of embalming, who prepared the body of Osiris. He led the dead into the hall of judgement and watched over the weighing of the heart. </source>
        <translation>يرمز أنوبيس إلى رأس كلب بري. هو حارس المقابر ذو رأس ابن آوى وإله التحنيط الذي أعد جسد أوزوريس. كان يقود الموتى إلى قاعة الحساب ويشرف على وزن القلب. </translation>
    </message>
    <message>
        <source>The Anubis people are very clever and full of concern. They care deeply for the people around them and notice when something is wrong. They are cunning in the best sense, thinking ahead and seeing through tricks and lies. Sympathetic and good listeners, they are the friends that others turn to in hard times. They persevere where others give up, and their patience brings success, late but sure. They like quiet and solitude and need time alone to gather their thoughts. Their weaknesses are a tendency to brood, to be secretive and to hold on to old grudges. In love they are intense and passionate, slow to commit but deeply faithful once they do. They need a partner who gives them space and who respects their silences.</source>
        <translation>أهل برج أنوبيس أذكياء جدًا وكثيرو الاهتمام بغيرهم. يهتمون بمن حولهم اهتمامًا عميقًا ويلاحظون حين يكون هناك خطب ما. هم دهاة بالمعنى الحسن، يفكرون في العواقب ويكشفون الحيل والأكاذيب. عطوفون ويحسنون الإصغاء، فهم الأصدقاء الذين يلجأ إليهم الآخرون في الشدائد. يثابرون حيث يستسلم غيرهم، ويأتيهم النجاح بصبرهم متأخرًا لكنه أكيد. يحبون الهدوء والعزلة ويحتاجون وقتًا لأنفسهم ليجمعوا أفكارهم. ومن عيوبهم الميل إلى الاجترار والكتمان والتمسك بالضغائن القديمة. وفي الحب هم عميقو العاطفة، بطيئون في الالتزام لكنهم أوفياء كل الوفاء متى التزموا. ويحتاجون شريكًا يمنحهم مساحتهم ويحترم صمتهم.</translation>
    </message>
    <message>
        <source>Horus and Sekhmet</source>
        <translation>حورس وسخمت</translation>
    </message>
    <message>
        <source>Yellow Ochre</source>
        <translation>الأصفر المغرّي</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>الرمادي</translation>
    </message>
    <message>
        <source>Feminine</source>
        <translatorcomment>The sign's polarity (its receptive side), not grammar.</translatorcomment><translation>مؤنث</translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation>باستيت</translation>
    </message>
    <message>
        <source>Anxious and Balanced</source>
        <translation>قلِق ومتزن</translation>
    </message>
    <message>
        <source>The goddess of Cats</source>
        <translation>إلهة القطط</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>القطة</translation>
    </message>
    <message>
        <source>A cat headed woman</source>
        <translation>امرأة برأس قطة</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>السرطان</translation>
    </message>
    <message>
        <source>Bastet is the goddess who has the body of a woman and the head of a cat. Once a fierce lioness, she became the gentle guardian of the home, of women and children, and of music and joy. Her cats kept the granaries free of mice and snakes. At her city of Bubastis great festivals were held in her honour, and thousands of cats were mummified and buried there with great love and care.</source>
        <translation>باستيت هي الإلهة ذات جسد المرأة ورأس القطة. كانت في الأصل لبؤة شرسة، ثم صارت الحارسة الرقيقة للبيت وللنساء والأطفال وللموسيقى والفرح. وكانت قططها تحمي مخازن الغلال من الفئران والثعابين. وفي مدينتها بوباستيس (تل بسطة) أقيمت احتفالات عظيمة تكريمًا لها، وحُنّطت فيها آلاف القطط ودُفنت بكثير من الحب والعناية.</translation>
    </message>
    <message>
        <source>The Bastet people are always on the search out of harmony, and they find it in a calm home, true and close friends and beautiful things. They are gentle, affectionate and charming, and they know how to make others feel welcome. Balanced and fair, they make good judges and peacemakers. Yet beneath the calm they often feel anxious, and they worry about things that may never happen. They have a strong intuition and a love of comfort and pleasure, which can make them a bit lazy at times. They are devoted to their families and loyal to their friends. In love they are sensual and tender, and they need a partner who makes them feel safe and valued.</source>
        <translation>أهل برج باستيت يبحثون دائمًا عن الانسجام، ويجدونه في بيت هادئ وأصدقاء مخلصين مقربين وأشياء جميلة. هم رقيقون وحنونون وجذابون، ويعرفون كيف يشعرون الآخرين بالترحاب. متزنون وعادلون، فهم قضاة وصانعو سلام جيدون. غير أنهم تحت هذا الهدوء كثيرًا ما يشعرون بالقلق ويخشون أمورًا قد لا تحدث أبدًا. لديهم حدس قوي وحب للراحة والمتعة قد يجعلهم كسالى بعض الشيء أحيانًا. هم مخلصون لعائلاتهم أوفياء لأصدقائهم. وفي الحب هم حسيّون رقيقون، ويحتاجون شريكًا يشعرهم بالأمان والتقدير.</translation>
    </message>
    <message>
        <source>Seth and Horus</source>
        <translation>ست وحورس</translation>
    </message>
    <message>
        <source>Violet Ochre</source>
        <translation>المغرة البنفسجية</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>الوردي</translation>
    </message>
    <message>
        <source>Geb</source>
        <translation>جب</translation>
    </message>
    <message>
        <source>Sensitive, Proud and Modest</source>
        <translation>حساس، معتز بنفسه ومتواضع</translation>
    </message>
    <message>
        <source>The god of the Earth</source>
        <translation>إله الأرض</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>الإوزة</translation>
    </message>
    <message>
        <source>A man with green skin wearing leaves and with a goose over his head</source>
        <translation>رجل أخضر البشرة يلبس أوراق الشجر وفوق رأسه إوزة</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>الدلو</translation>
    </message>
    <message>
        <source>The rising wet clouds gave birth to the god of Earth, Geb, son of Shu and Tefnut. He lies beneath the sky goddess Nut, his body forming the hills and valleys, and his laughter was said to cause earthquakes. Crops grew from his back. He is shown as a green skinned man wearing leaves with a goose on his head, the Great Cackler.</source>
        <translatorcomment>"The Great Cackler": Geb as the goose that laid the egg of the world; given word for word, in quotation marks.</translatorcomment><translation>ولدت السحب الرطبة الصاعدة إله الأرض جب، ابن شو وتفنوت. يرقد تحت إلهة السماء نوت، ويشكل جسده التلال والوديان، وقيل إن ضحكه كان يسبب الزلازل. ومن ظهره نبتت المحاصيل. ويُصوَّر رجلًا أخضر البشرة يلبس أوراق الشجر وعلى رأسه إوزة، وهو "القأقاء العظيم".</translation>
    </message>
    <message>
        <source>The Geb people are well known for their strong memory. They seldom forget a face, a kindness or an old injury. Sensitive and emotional, they feel the moods of others and are quick to offer comfort. They are proud of what they do but modest about it, and they never seek the spotlight. They love nature and often find peace outdoors. Their sensitivity can make them easily hurt, and they may withdraw when they feel misunderstood. They are honest and loyal, and make good friends who keep a secret. In love they are romantic and gentle, and they need a partner who is kind, reassuring and patient.</source>
        <translation>يشتهر أهل برج جب بذاكرتهم القوية؛ فنادرًا ما ينسون وجهًا أو معروفًا أو إساءة قديمة. حساسون وعاطفيون، يشعرون بأمزجة الآخرين ويسارعون إلى مواساتهم. يعتزون بما يصنعون لكنهم متواضعون فيه، ولا يسعون أبدًا إلى الأضواء. يحبون الطبيعة وكثيرًا ما يجدون سلامهم في الهواء الطلق. قد تجعلهم حساسيتهم سريعي التأثر، وقد ينطوون على أنفسهم إذا شعروا بأنهم لم يُفهموا. هم صادقون أوفياء، وأصدقاء طيبون يحفظون السر. وفي الحب هم رومانسيون رقيقون، ويحتاجون شريكًا لطيفًا يطمئنهم ويصبر عليهم.</translation>
    </message>
    <message>
        <source>Geb and Bastet</source>
        <translation>جب وباستيت</translation>
    </message>
    <message>
        <source>Red carmine</source>
        <translation>الأحمر القرمزي</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>الذهبي</translation>
    </message>
    <message>
        <source>Horus</source>
        <translation>حورس</translation>
    </message>
    <message>
        <source>Witty, Powerful will and Impatient</source>
        <translation>حاضر البديهة، قوي الإرادة وقليل الصبر</translation>
    </message>
    <message>
        <source>The god of Pharaoh</source>
        <translation>إله الفرعون</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>الثعبان</translation>
    </message>
    <message>
        <source>A man falcon headed man</source>
        <translation>رجل برأس صقر</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>الميزان</translation>
    </message>
    <message>
        <source>Horus is the vengeful bird god. Son of Isis and Osiris, he fought his uncle Seth for eighty years to avenge his father and win back the throne of Egypt. He lost an eye in the struggle, and the healed Eye of Horus became a charm of protection. Every pharaoh ruled as the living Horus. He is shown as a falcon or a man with the head of a falcon.</source>
        <translation>حورس هو الإله الطائر المنتقم. ابن إيزيس وأوزوريس، قاتل عمه ست ثمانين عامًا ليثأر لأبيه ويسترد عرش مصر. فقد إحدى عينيه في هذا الصراع، فصارت عين حورس بعد شفائها تميمة للحماية. وكان كل فرعون يحكم بوصفه حورس الحي. ويُصوَّر صقرًا أو رجلًا برأس صقر.</translation>
    </message>
    <message>
        <source>Horus people are people who have very strong will and are determined to reach their goals whatever the cost. They are courageous and ambitious, and they like to be at the centre of affairs. Witty and quick with words, they make good company and generous hosts. They are natural leaders who take responsibility and protect those who rely on them. Their impatience can make them hasty, and they may become bossy when others are slow. They hate to lose and seldom admit defeat. In love they are loyal and warm, and they need a partner who admires them but stands firm and keeps them grounded.</source>
        <translation>أهل برج حورس ذوو إرادة قوية جدًا، عازمون على بلوغ أهدافهم مهما كان الثمن. شجعان وطموحون، ويحبون أن يكونوا في قلب الأحداث. حاضرو البديهة وسريعو الجواب، فهم رفقة ممتعة ومضيفون كرماء. قادة بالفطرة يتحملون المسؤولية ويحمون من يعتمد عليهم. قد تجعلهم قلة صبرهم متسرعين، وقد يتسلطون حين يتباطأ الآخرون. يكرهون الخسارة ونادرًا ما يعترفون بالهزيمة. وفي الحب هم أوفياء ودافئون، ويحتاجون شريكًا يعجب بهم لكنه يثبت على موقفه ويبقي أقدامهم على الأرض.</translation>
    </message>
    <message>
        <source>Osiris and Thoth</source>
        <translation>أوزوريس وتحوت</translation>
    </message>
    <message>
        <source>White</source>
        <translation>الأبيض</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>الأزرق</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>إيزيس</translation>
    </message>
    <message>
        <source>Active, Confident, Respectable and Outspoken</source>
        <translation>نشيط، واثق، محترم وصريح</translation>
    </message>
    <message>
        <source>The goddess of Motherhood.</source>
        <translation>إلهة الأمومة.</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>الكبش</translation>
    </message>
    <message>
        <source>A woman wearing the hieroglyph on her head</source>
        <translation>امرأة تضع العلامة الهيروغليفية على رأسها</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>الحوت</translation>
    </message>
    <message>
        <source>The supreme messenger of life, Isis is always on the search for what has been lost. She gathered the scattered body of her husband Osiris and raised her son Horus in hiding. Great in magic and healing, she was loved as the mother of all. She wears the throne hieroglyph on her head and spreads her wings to protect.</source>
        <translation>إيزيس، رسولة الحياة العليا، تبحث دائمًا عما ضاع. جمعت أشلاء زوجها أوزوريس المبعثرة وربّت ابنها حورس في الخفاء. عظيمة في السحر والشفاء، أحبها الناس أمًّا للجميع. تضع على رأسها العلامة الهيروغليفية للعرش وتبسط جناحيها للحماية.</translation>
    </message>
    <message>
        <source>Isis people are known to be very hospitable. They are active and confident, and they speak their mind with frankness. They are respected for their energy and their sense of justice, and they protect those they love fiercely. Their outspoken manner can at times hurt others without meaning to. In love they are romantic and devoted, and they seek a partner who values family as much as they do.</source>
        <translation>يُعرف أهل برج إيزيس بكرم الضيافة. هم نشيطون وواثقون ويقولون رأيهم بصراحة. يُحترمون لحيويتهم وحسهم بالعدل، ويحمون من يحبون بشراسة. قد تجرح صراحتهم الآخرين أحيانًا دون قصد. وفي الحب هم رومانسيون ومخلصون، ويبحثون عن شريك يقدّر الأسرة بقدر ما يقدرونها.</translation>
    </message>
    <message>
        <source>Amon-Ra and Thoth</source>
        <translation>آمون رع وتحوت</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>البني</translation>
    </message>
    <message>
        <source>Mut</source>
        <translation>موت</translation>
    </message>
    <message>
        <source>Ironic</source>
        <translation>ساخر</translation>
    </message>
    <message>
        <source>The Creator goddess</source>
        <translation>الإلهة الخالقة</translation>
    </message>
    <message>
        <source>Vulture</source>
        <translatorcomment>The Egyptian vulture; Arabic commonly calls Mut's bird نسر.</translatorcomment><translation>النسر</translation>
    </message>
    <message>
        <source>A woman with the wings of a vulture</source>
        <translation>امرأة بجناحي نسر</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>العقرب</translation>
    </message>
    <message>
        <source>Mut is one of the age old goddess of the Egyptian community. Her name means 'mother', and she was honoured as the creator who gave birth to the world. As the wife of Amon-Ra at Thebes she protected the king and the land. She is shown as a woman wearing the wings of a vulture or the double crown of Egypt, and her great temple stood beside Karnak.</source>
        <translation>موت من أقدم الإلهات عند المصريين. معنى اسمها "الأم"، وقد عُبدت بوصفها الخالقة التي ولدت العالم. وبصفتها زوجة آمون رع في طيبة حمت الملك والبلاد. وتُصوَّر امرأة بجناحي نسر أو بالتاج المزدوج لمصر، وكان معبدها العظيم بجوار الكرنك.</translation>
    </message>
    <message>
        <source>The Mut people are basically inclined towards the melancholy of life. They feel deeply and notice the sadness that others pass by, which makes them wise and caring companions. They have a strong sense of duty and make devoted parents and reliable friends. Their humour is dry and ironic, and they often use it to hide their true feelings. They are practical and organised, and they do well in work that needs patience and care for details. At times they can be moody, secretive and slow to forgive old hurts. In love they are generous and protective, and once they trust someone they stay faithful. They need a partner who is cheerful and patient with their moods.</source>
        <translation>يميل أهل برج موت في الأساس إلى الحزن والتأمل في الحياة. يشعرون بعمق ويلاحظون الحزن الذي يمر به الآخرون دون انتباه، مما يجعلهم رفاقًا حكماء رحماء. لديهم إحساس قوي بالواجب، فهم آباء وأمهات مخلصون وأصدقاء يُعتمد عليهم. دعابتهم جافة ساخرة، وكثيرًا ما يخفون بها مشاعرهم الحقيقية. عمليون ومنظمون، ويبرعون في الأعمال التي تتطلب الصبر والعناية بالتفاصيل. وقد يكونون أحيانًا متقلبي المزاج كتومين بطيئين في الصفح عن الجراح القديمة. وفي الحب هم كرماء وحماة، وإذا وثقوا بأحد ظلوا أوفياء له. ويحتاجون شريكًا مرحًا يصبر على تقلب مزاجهم.</translation>
    </message>
    <message>
        <source>Amon-Ra and Seth</source>
        <translation>آمون رع وست</translation>
    </message>
    <message>
        <source>Deep red</source>
        <translation>الأحمر الداكن</translation>
    </message>
    <message>
        <source>Deep blue</source>
        <translation>الأزرق الداكن</translation>
    </message>
    <message>
        <source>Nile</source>
        <translation>النيل</translation>
    </message>
    <message>
        <source>Peace loving, Practical and Logical minded</source>
        <translation>محب للسلام، عملي ومنطقي التفكير</translation>
    </message>
    <message>
        <source>The goddess of who saved the Nile</source>
        <translation>الإلهة التي أنقذت النيل</translation>
    </message>
    <message>
        <source>Antelope</source>
        <translation>الظبي</translation>
    </message>
    <message>
        <source>A woman with antelope horns</source>
        <translation>امرأة بقرني ظبي</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>الجدي</translation>
    </message>
    <message>
        <source>It is known by all of us that the river Nile is the source of life in Egypt. Its yearly flood was honoured as the gift of Hapi, who was shown as a plump man bearing food, and of Anuket, the goddess of the cataracts who wore a crown of antelope horns. She nourished the fields and the people on its banks.</source>
        <translation>نعلم جميعًا أن نهر النيل هو مصدر الحياة في مصر. وكان فيضانه السنوي يُكرَّم بوصفه هبة حابي، الذي صُوّر رجلًا ممتلئًا يحمل الطعام، وهبة عنقت، إلهة الجنادل التي لبست تاجًا من قرون الظباء. وكانت تغذي الحقول والناس على ضفافه.</translation>
    </message>
    <message>
        <source>The Nile people are generally famous as being peace lovers and makers. They dislike conflict and will go a very long way to calm a quarrel between friends. Practical and logical minded, they think before they act and rarely make hasty choices. They are passionate underneath their calm, and once they give their heart they are loyal for life. They can be shy with strangers and sometimes hide their feelings too well, so others may think them distant. In love they seek a partner who shares their wish for a quiet and harmonious home.</source>
        <translation>يشتهر أهل برج النيل عمومًا بحب السلام وصنعه. يكرهون الخصام ويبذلون جهدًا كبيرًا لتهدئة أي خلاف بين الأصدقاء. عمليون ومنطقيو التفكير، يفكرون قبل أن يتصرفوا ونادرًا ما يتخذون قرارات متسرعة. تحت هدوئهم شغف كبير، وإذا أعطوا قلبهم بقوا أوفياء مدى الحياة. قد يخجلون من الغرباء ويخفون مشاعرهم أحيانًا أكثر مما ينبغي، فيظنهم الآخرون بعيدين. وفي الحب يبحثون عن شريك يشاركهم الرغبة في بيت هادئ منسجم.</translation>
    </message>
    <message>
        <source>Isis and Thoth</source>
        <translation>إيزيس وتحوت</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>الأخضر</translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation>أوزوريس</translation>
    </message>
    <message>
        <source>Dual Personality and Indecisive</source>
        <translation>مزدوج الشخصية ومتردد</translation>
    </message>
    <message>
        <source>The god of after life</source>
        <translation>إله العالم الآخر</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>A mummy like green skinned man</source>
        <translation>رجل أخضر البشرة على هيئة مومياء</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>الحمل</translation>
    </message>
    <message>
        <source>According to the Egyptians, Osiris came into existence during the period of creation as the first king of Egypt. Slain by his jealous brother Seth and brought back by Isis, he became lord of the afterlife and judge of the dead. He is shown as a green skinned mummy holding a crook and flail.</source>
        <translation>بحسب اعتقاد المصريين، ظهر أوزوريس في زمن الخلق بوصفه أول ملك لمصر. قتله أخوه الغيور ست، وأعادته إيزيس، فصار سيد العالم الآخر وقاضي الموتى. ويُصوَّر مومياء خضراء البشرة تمسك بالصولجان المعقوف والمذبة.</translation>
    </message>
    <message>
        <source>Osiris people are generally double personality people. One side is strong, bold and full of energy, while the other is vulnerable and gentle. They are independent and love a challenge, yet they often hesitate when a decision has to be made. In love they are passionate and generous, and need a partner who is patient.</source>
        <translation>أهل برج أوزوريس في الغالب ذوو شخصية مزدوجة. جانب منها قوي جريء مفعم بالطاقة، والآخر رقيق سهل الجرح. مستقلون يحبون التحدي، لكنهم كثيرًا ما يترددون حين يجب اتخاذ قرار. وفي الحب هم شغوفون كرماء، ويحتاجون شريكًا صبورًا.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>الفيروزي</translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translation>سخمت</translation>
    </message>
    <message>
        <source>Intelligent, Observant and Authoritative</source>
        <translation>ذكي، دقيق الملاحظة وذو هيبة</translation>
    </message>
    <message>
        <source>The goddess of War</source>
        <translation>إلهة الحرب</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>A lion headed woman</source>
        <translation>امرأة برأس لبؤة</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>القوس</translation>
    </message>
    <message>
        <source>The Sekhmet is known to be the symbol of the 'good order,' and she guarded it fiercely. A lioness goddess of war, her breath was the hot desert wind. Ra sent her to punish mankind, and she was only stopped when she drank beer dyed red like blood. She also held the power to send plague and to cure it.</source>
        <translatorcomment>"Good order" is Maat, the Egyptian idea of right order; given in quotation marks as a phrase.</translatorcomment><translation>تُعرف سخمت بأنها رمز "النظام الصالح"، وقد حرسته بشراسة. إلهة الحرب في هيئة لبؤة، كان نَفَسها ريح الصحراء الحارة. أرسلها رع لتعاقب البشر، ولم تتوقف إلا حين شربت جعة صُبغت بالأحمر كالدم. وكانت تملك أيضًا القدرة على إرسال الوباء وعلى شفائه.</translation>
    </message>
    <message>
        <source>The Sekhmet people can be extremes. They are either calm or fierce, with little in between. Intelligent and observant, they notice every detail and judge situations quickly. They are authoritative and make natural leaders, and they are admired for their honesty. They work hard and expect the same from others, which can make them seem strict. They are quick to anger, but just as quick to forgive. In love they are passionate and protective, and they need a partner who is strong and honest.</source>
        <translation>أهل برج سخمت قد يكونون متطرفين: إما هادئين وإما شرسين، ولا شيء يذكر بين الاثنين. أذكياء ودقيقو الملاحظة، يلاحظون كل تفصيل ويحكمون على المواقف بسرعة. ذوو هيبة وقادة بالفطرة، ويُعجب الناس بصدقهم. يعملون بجد وينتظرون الشيء نفسه من غيرهم، مما قد يجعلهم يبدون صارمين. سريعو الغضب، لكنهم سريعو الصفح كذلك. وفي الحب هم شغوفون وحماة، ويحتاجون شريكًا قويًا صادقًا.</translation>
    </message>
    <message>
        <source>Geb and The Nile</source>
        <translation>جب والنيل</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>الأسود</translation>
    </message>
    <message>
        <source>Seth</source>
        <translation>ست</translation>
    </message>
    <message>
        <source>Irrational and Perfectionist</source>
        <translation>غير عقلاني ومحب للكمال</translation>
    </message>
    <message>
        <source>The god of Evil</source>
        <translation>إله الشر</translation>
    </message>
    <message>
        <source>The legendary 'Seth' animal</source>
        <translation>حيوان "ست" الأسطوري</translation>
    </message>
    <message>
        <source>Sometimes seen as a pig or a hippopotamus, a man with a donkey head</source>
        <translation>يُرى أحيانًا خنزيرًا أو فرس نهر، رجل برأس حمار</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>الجوزاء</translation>
    </message>
    <message>
        <source>The god of solitude is Seth as per the Egyptian religion. Lord of the desert, storms and foreign lands, he murdered his brother Osiris and fought Horus for the throne. Yet he also stood at the prow of the boat of Ra, spearing the serpent Apophis at night. He is shown with the head of a strange beast with a long snout.</source>
        <translation>إله العزلة في الديانة المصرية هو ست. سيد الصحراء والعواصف والبلاد الأجنبية، قتل أخاه أوزوريس وصارع حورس على العرش. ومع ذلك كان يقف في مقدمة مركب رع ويطعن الثعبان أبوفيس في الليل. ويُصوَّر برأس حيوان غريب ذي خطم طويل.</translation>
    </message>
    <message>
        <source>The Seth people always seek changes in life. They get bored with routine and love to try new places, ideas and challenges. They are perfectionists who set high standards for themselves and others, and they work hard to meet them. Their moods can be irrational and sudden, and they may act on impulse and regret it later. They are charming and communicative, and can talk their way through almost any situation. They dislike being told what to do and need freedom to grow and learn. In love they are passionate and full of surprises, and they need a partner who is patient, understanding and ready for a new adventure.</source>
        <translation>أهل برج ست يسعون دائمًا إلى التغيير في الحياة. يملّون الروتين ويحبون تجربة أماكن وأفكار وتحديات جديدة. هم محبون للكمال يضعون لأنفسهم ولغيرهم معايير عالية، ويعملون بجد لبلوغها. قد تكون أمزجتهم غير عقلانية ومفاجئة، وقد يتصرفون باندفاع ثم يندمون. هم جذابون ومتحدثون بارعون، يستطيعون الخروج بالكلام من أي موقف تقريبًا. يكرهون أن يُملى عليهم ما يفعلون، ويحتاجون الحرية لينموا ويتعلموا. وفي الحب هم شغوفون مليئون بالمفاجآت، ويحتاجون شريكًا صبورًا متفهمًا مستعدًا لمغامرة جديدة.</translation>
    </message>
    <message>
        <source>Isis and Bastet</source>
        <translation>إيزيس وباستيت</translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation>تحوت</translation>
    </message>
    <message>
        <source>Kind, Enthusiastic and Brave</source>
        <translation>طيب، متحمس وشجاع</translation>
    </message>
    <message>
        <source>The god of Wisdom</source>
        <translation>إله الحكمة</translation>
    </message>
    <message>
        <source>Baboon and Ibis</source>
        <translation>قرد البابون وطائر أبو منجل</translation>
    </message>
    <message>
        <source>A baboon or an ibis headed man</source>
        <translation>قرد بابون أو رجل برأس طائر أبو منجل</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>العذراء</translation>
    </message>
    <message>
        <source>Thoth the bird-god is quite modest. With the head of an ibis, or in the shape of a baboon, he is the god of wisdom, writing and the moon. He invented the hieroglyphs, kept the records of the gods and weighed the hearts of the dead beside Anubis. Scribes prayed to him before starting work.</source>
        <translation>تحوت، الإله الطائر، متواضع جدًا. برأس طائر أبو منجل أو في هيئة قرد بابون، هو إله الحكمة والكتابة والقمر. اخترع الكتابة الهيروغليفية، ودوّن سجلات الآلهة، ووزن قلوب الموتى إلى جانب أنوبيس. وكان الكتبة يصلّون له قبل أن يبدؤوا عملهم.</translation>
    </message>
    <message>
        <source>Thoth people are basically innocent type and have a very good memory and a curious mind. They love to learn and are always ready to help others with their knowledge. Kind and enthusiastic, they bring energy to everything they do and cheer the people around them. They are brave when a friend needs them and do not shy away from a fair contest. They are inventive and good at solving problems, and often shine in writing, teaching or science. Their weakness is a tendency to trust too easily and to take on too many tasks at once. In relationships they are romantic and faithful, and they need a partner who shares their love of ideas and who can keep pace with their lively spirit.</source>
        <translation>أهل برج تحوت في الأساس طيبو السريرة، ولديهم ذاكرة جيدة جدًا وعقل فضولي. يحبون التعلم ومستعدون دائمًا لمساعدة الآخرين بمعرفتهم. طيبون ومتحمسون، يبثون الحيوية في كل ما يفعلون ويُبهجون من حولهم. شجعان حين يحتاجهم صديق، ولا يتهربون من منافسة شريفة. مبدعون بارعون في حل المشكلات، وكثيرًا ما يتألقون في الكتابة أو التعليم أو العلوم. ونقطة ضعفهم أنهم يثقون بسهولة زائدة ويتحملون مهام كثيرة في وقت واحد. وفي العلاقات هم رومانسيون أوفياء، ويحتاجون شريكًا يشاركهم حب الأفكار ويجاري روحهم المتوقدة.</translation>
    </message>
</context>
<context>
    <name>Composer</name>
    <message>
        <source>Ruling Deity :-</source>
        <translation>الإله الحاكم :-</translation>
    </message>
    <message>
        <source>Appearance :-</source>
        <translation>الهيئة :-</translation>
    </message>
    <message>
        <source>Sacred Animal :-</source>
        <translation>الحيوان المقدس :-</translation>
    </message>
    <message>
        <source>Keywords :-</source>
        <translation>الصفات الرئيسية :-</translation>
    </message>
    <message>
        <source>Compatible Signs :-</source>
        <translation>الأبراج المتوافقة :-</translation>
    </message>
    <message>
        <source>Lucky Color for Male :-</source>
        <translation>لون الحظ للرجل :-</translation>
    </message>
    <message>
        <source>Lucky Color for Female :-</source>
        <translation>لون الحظ للمرأة :-</translation>
    </message>
    <message>
        <source>Polarity :-</source>
        <extracomment>Masculine or feminine, as the sign's nature (yang or yin), not grammar.</extracomment>
        <translation>القطبية :-</translation>
    </message>
    <message>
        <source>Role :-</source>
        <translation>الدور :-</translation>
    </message>
    <message>
        <source>Corresponding Zodiac Sign :-</source>
        <translation>البرج المقابل :-</translation>
    </message>
    <message>
        <source>Description of God/ Goddess :-</source>
        <translation>وصف الإله / الإلهة :-</translation>
    </message>
    <message>
        <source>Characteristics of people under this Sign :-</source>
        <translation>صفات المولودين في هذا البرج :-</translation>
    </message>
    <message>
        <source>Your Egyptian Astrology Sign is :-</source>
        <translatorcomment>"Egyptian astrology sign": Arabic readers call these the Pharaonic signs (الأبراج الفرعونية).</translatorcomment><translation>برجك الفرعوني هو :-</translation>
    </message>
    <message>
        <source>Your Partner's Egyptian Astrology Sign is :-</source>
        <translation>برج شريكك الفرعوني هو :-</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Scarabine is a freeware that finds your compatibility with your partner on the basis of Egyptian astrology. Egyptian zodiac is based on the Gods / Goddesses of Egypt who are looked upto with great reverence. All rights to this software belong to Orlenda Softwares.</source>
        <translation>سكارابين برنامج مجاني يحسب مدى توافقك مع شريكك على أساس علم الفلك المصري القديم. تقوم الأبراج المصرية على آلهة مصر وإلهاتها الذين كانوا يُبجَّلون بإجلال عظيم. جميع حقوق هذا البرنامج محفوظة لشركة أورلندا للبرمجيات.</translation>
    </message>
    <message>
        <source>Click here to visit www.orlenda.com</source>
        <translation>انقر هنا لزيارة www.orlenda.com</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل. ابدأ تجارتك الخاصة على الإنترنت واكسب المال عبر الشبكة. احصل على هذا البرنامج باسم علامتك التجارية لموقعك.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Your Characteristics</source>
        <translation>صفاتك</translation>
    </message>
    <message>
        <source>Your Partner's Characteristics</source>
        <translation>صفات شريكك</translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation>التوافق مع شريكك</translation>
    </message>
    <message>
        <source>Report pages</source>
        <translation>صفحات التقرير</translation>
    </message>
    <message>
        <source>Your sign report</source>
        <translation>تقرير برجك</translation>
    </message>
    <message>
        <source>Your partner's sign report</source>
        <translation>تقرير برج شريكك</translation>
    </message>
    <message>
        <source>Egyptian Astrology Sign</source>
        <translation>البرج الفرعوني</translation>
    </message>
    <message>
        <source>Egyptian Astrology Compatibility Result</source>
        <translation>نتيجة التوافق في الأبراج الفرعونية</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Date Of Birth</source>
        <translation>تاريخ ميلادك</translation>
    </message>
    <message>
        <source>Your Egyptian Sign</source>
        <translation>برجك الفرعوني</translation>
    </message>
    <message>
        <source>Your Partner's Name</source>
        <translation>اسم شريكك</translation>
    </message>
    <message>
        <source>Your Partner's Date Of Birth</source>
        <translation>تاريخ ميلاد شريكك</translation>
    </message>
    <message>
        <source>Your Partner's Egyptian Sign</source>
        <translation>برج شريكك الفرعوني</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>Access key خ, as Exit has elsewhere: ر is رجوع's (Back) in the same menu.</translatorcomment><translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <source>Orlenda Softwares, such as this can be created and maintained only with your support. Please support the Orlenda Discussion Board by visiting it regularly and taking part in its discussions. Every visit keeps this program free.</source>
        <translation>برامج أورلندا مثل هذا البرنامج لا يمكن إنشاؤها وصيانتها إلا بدعمك. يرجى دعم منتدى أورلندا للنقاش بزيارته بانتظام والمشاركة في نقاشاته. كل زيارة تُبقي هذا البرنامج مجانيًا.</translation>
    </message>
    <message>
        <source>Please visit the Orlenda Discussion Board regularly and take part in its discussions. Programs like this one cannot be maintained without such visits, so every visit you make keeps them alive and free of charge.</source>
        <translation>يرجى زيارة منتدى أورلندا للنقاش بانتظام والمشاركة في نقاشاته. لا يمكن صيانة برامج مثل هذا دون تلك الزيارات، فكل زيارة منك تبقيها حية ومجانية.</translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board is a free online discussion forum. Please visit it regularly: your visits help us to maintain this program and keep it free to all.</source>
        <translation>منتدى أورلندا للنقاش منتدى مجاني على الإنترنت. يرجى زيارته بانتظام: زياراتك تساعدنا على صيانة هذا البرنامج وإبقائه مجانيًا للجميع.</translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board needs your help. Visiting it regularly and taking part in its discussions helps us maintain it and develop more Orlenda Softwares for you and all who use them. Thanks.</source>
        <translation>منتدى أورلندا للنقاش يحتاج إلى مساعدتك. زيارته بانتظام والمشاركة في نقاشاته تساعدنا على صيانته وتطوير مزيد من برامج أورلندا لك ولكل من يستخدمها. شكرًا.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other programs made by Orlenda Softwares. Astrology, numerology, love calculators, name meanings, greeting tools and many more utilities are waiting for you, all of them free to download and use at home or at work.</source>
        <translation>إن كان هذا البرنامج قد أعجبك فستهتم بالتأكيد ببرامج أورلندا الأخرى. برامج الأبراج وعلم الأعداد وحاسبات الحب ومعاني الأسماء وأدوات التهاني وكثير غيرها في انتظارك، وكلها مجانية للتنزيل والاستخدام في البيت أو العمل.</translation>
    </message>
    <message>
        <source>Every program is small, quick to install and easy to use. Visit our web site today, download the programs you like and share them with your friends and family. Come back often: new titles and updates are added to our web site every month, and each of them is free of charge.</source>
        <translation>كل برنامج صغير وسريع التثبيت وسهل الاستخدام. زر موقعنا اليوم، ونزّل البرامج التي تعجبك وشاركها مع أصدقائك وعائلتك. عد إلينا كثيرًا: نضيف إلى موقعنا عناوين وتحديثات جديدة كل شهر، وكلها مجانية.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Yes! Take me to the Orlenda Discussion Board now, I want to support it.</source>
        <translation>نعم! خذني الآن إلى منتدى أورلندا للنقاش، أريد أن أدعمه.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أرسل إلى صديق</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translatorcomment>Access key ن, as the English one is Now's: آ takes Shift on Arabic keyboards.</translatorcomment><translation>أرسل إلى صديق الآ&amp;ن</translation>
    </message>
    <message>
        <source>Download Orlenda Softwares</source>
        <translation>نزّل برامج أورلندا</translation>
    </message>
    <message>
        <source>Click Here To Visit Orlenda Softwares</source>
        <translation>انقر هنا لزيارة أورلندا للبرمجيات</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>عنوان بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend's email address</source>
        <translation>عنوان البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Friend's name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Opens the refer-a-friend page with these details</source>
        <translation>يفتح صفحة الإرسال إلى صديق بهذه البيانات</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافة</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Name :-</source>
        <translation>الاسم :-</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>The day of the month, heading its list.</translatorcomment><translation>اليوم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Date O Birth :-</source>
        <extracomment>"Date of birth", in the window's old-fashioned spelling.</extracomment>
        <translation>تاريخ الميلاد :-</translation>
    </message>
    <message>
        <source>Letters and blanks only; letters appear in capitals</source>
        <translation>حروف ومسافات فقط</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Get My Egyptian Astrology Compatibility</source>
        <translation>احسب توافقي في الأبراج الفرعونية</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Please Fill in Your Personal Details</source>
        <translation>يرجى إدخال بياناتك الشخصية</translation>
    </message>
    <message>
        <source>Know your Egyptian Astrology Sign. Get your compatibility with your partner on the basis of Egyptian Astrology! Just enter your birth details and you are all set to go!</source>
        <translation>اعرف برجك الفرعوني، واعرف مدى توافقك مع شريكك على أساس الأبراج الفرعونية! أدخل تاريخي الميلاد فقط، وكل شيء جاهز!</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>بياناتك</translation>
    </message>
    <message>
        <source>Your Partner's Details</source>
        <translation>بيانات شريكك</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>يوم ميلادك</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>شهر ميلادك</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>سنة ميلادك</translation>
    </message>
    <message>
        <source>Your partner's name</source>
        <translation>اسم شريكك</translation>
    </message>
    <message>
        <source>Your partner's birth day</source>
        <translation>يوم ميلاد شريكك</translation>
    </message>
    <message>
        <source>Your partner's birth month</source>
        <translation>شهر ميلاد شريكك</translation>
    </message>
    <message>
        <source>Your partner's birth year</source>
        <translation>سنة ميلاد شريكك</translation>
    </message>
    <message>
        <source>Get My &amp;Egyptian Astrology Compatibility</source>
        <translatorcomment>Access key ح: ت is تبرع's (Donate) in the same window.</translatorcomment><translation>ا&amp;حسب توافقي في الأبراج الفرعونية</translation>
    </message>
    <message>
        <source>Shows both signs and your compatibility in the report window</source>
        <translation>يعرض البرجين ومدى توافقكما في نافذة التقرير</translation>
    </message>
</context>
<context>
    <name>NameKeyFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box is given anything but a letter, a blank, Enter or Backspace.</extracomment>
        <translation>يرجى إدخال حروف فقط</translation>
    </message>
</context>
<context>
    <name>Placeholder</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend's Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend's Email Address</source>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Orlenda Discussion Board. Best Resource For Everything Orlenda. Visit our discussion board at www.orlenda.com!</source>
        <translation>منتدى أورلندا للنقاش، الأكثر شعبية على الإنترنت، وأفضل مصدر لكل ما يخص أورلندا. زوروا منتدانا على www.orlenda.com!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل. ابدأ تجارتك الخاصة على الإنترنت واكسب المال عبر الشبكة. احصل على هذا البرنامج باسم علامتك التجارية لموقعك. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Which way the language is written: "LTR" (left to right) or "RTL" (right to left).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1's Characteristics</source>
        <extracomment>A tab's caption: %1 is a person's name as typed.</extracomment>
        <translation>صفات %1</translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation>التوافق مع شريكك</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يرجى إدخال عنوانين مختلفين للبريد الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend's Name</source>
        <translation>يرجى إدخال اسم صديقك</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.
هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <source>%1 can be changed by other users.</source>
        <translation>يمكن لمستخدمين آخرين تعديل %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Egyptian Astrology Report</source>
        <translation>تقرير الأبراج الفرعونية</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>تنسيق النص المنسق (*.rtf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>تعذر حفظ التقرير في %1.

%2</translation>
    </message>
    <message>
        <source>The report could not be printed: printing is not installed.

%1</source>
        <translation>تعذرت طباعة التقرير: الطباعة غير مثبتة.

%1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>تعذرت طباعة التقرير.</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>تعذرت طباعة التقرير على %1.</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن &amp;تحديث للبرنامج</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ال&amp;بحث عن تحديث للبرنامج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>م&amp;ساعدة على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زورونا على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;تبرع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translatorcomment>Access key ك, which no other control of either window has, for when the hidden entry is shown: ت is تبرع's (Donate).</translatorcomment><translation>ا&amp;كسب المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج يعمل بالفعل</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Name!</source>
        <translation>يرجى إدخال اسمك!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner's Name!</source>
        <translation>يرجى إدخال اسم شريكك!</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date Of Birth !</source>
        <translation>يرجى إدخال تاريخ ميلادك الصحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth Of Your Partner !</source>
        <translation>يرجى إدخال تاريخ ميلاد شريكك الصحيح!</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You both are very highly compatible</source>
        <translation>أنتما متوافقان إلى حد كبير جدًا</translation>
    </message>
    <message>
        <source>You both are not very compatible</source>
        <translation>أنتما غير متوافقين كثيرًا</translation>
    </message>
</context>
</TS>