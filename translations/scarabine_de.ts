<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>Basted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amon Ra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>The Nile and Horus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masculine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generous, Fruitful and Helpful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ram and Goose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A man with blue skin wearing a crown having double feather plumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The principal god of Egypt is Ra - who signifies the wheel of the sun that crosses the sky each day. Joined with Amon, the hidden one of Thebes, he became Amon-Ra, king of the gods and creator of all things. He is shown as a blue skinned man in a crown of two plumes; the ram is sacred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People born under Ra are known to be generous and are often the first to help a friend in need. They are natural leaders who inspire confidence, and their warmth and optimism draw many people to them. Fruitful in ideas and helpful in deeds, they work very hard and like to see their plans come to life. They are honest and expect the same from others. On the other side, they can be proud and find it hard to admit a mistake, and they may become stubborn when their authority is questioned. In relationships they are protective and faithful, and they give a lot of themselves. They need a partner who respects them and shares their zest for life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastet and Isis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cunning, Clever, Sympathetic and Persevering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A jackal headed man</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anubis symbolizes the head of a wild dog. He is the jackal headed guardian of tombs and the god of embalming, who prepared the body of Osiris. He led the dead into the hall of judgement and watched over the weighing of the heart. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Anubis people are very clever and full of concern. They care deeply for the people around them and notice when something is wrong. They are cunning in the best sense, thinking ahead and seeing through tricks and lies. Sympathetic and good listeners, they are the friends that others turn to in hard times. They persevere where others give up, and their patience brings success, late but sure. They like quiet and solitude and need time alone to gather their thoughts. Their weaknesses are a tendency to brood, to be secretive and to hold on to old grudges. In love they are intense and passionate, slow to commit but deeply faithful once they do. They need a partner who gives them space and who respects their silences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horus and Sekhmet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow Ochre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feminine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anxious and Balanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goddess of Cats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cat headed woman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastet is the goddess who has the body of a woman and the head of a cat. Once a fierce lioness, she became the gentle guardian of the home, of women and children, and of music and joy. Her cats kept the granaries free of mice and snakes. At her city of Bubastis great festivals were held in her honour, and thousands of cats were mummified and buried there with great love and care.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bastet people are always on the search out of harmony, and they find it in a calm home, true and close friends and beautiful things. They are gentle, affectionate and charming, and they know how to make others feel welcome. Balanced and fair, they make good judges and peacemakers. Yet beneath the calm they often feel anxious, and they worry about things that may never happen. They have a strong intuition and a love of comfort and pleasure, which can make them a bit lazy at times. They are devoted to their families and loyal to their friends. In love they are sensual and tender, and they need a partner who makes them feel safe and valued.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seth and Horus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet Ochre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitive, Proud and Modest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of the Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A man with green skin wearing leaves and with a goose over his head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rising wet clouds gave birth to the god of Earth, Geb, son of Shu and Tefnut. He lies beneath the sky goddess Nut, his body forming the hills and valleys, and his laughter was said to cause earthquakes. Crops grew from his back. He is shown as a green skinned man wearing leaves with a goose on his head, the Great Cackler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Geb people are well known for their strong memory. They seldom forget a face, a kindness or an old injury. Sensitive and emotional, they feel the moods of others and are quick to offer comfort. They are proud of what they do but modest about it, and they never seek the spotlight. They love nature and often find peace outdoors. Their sensitivity can make them easily hurt, and they may withdraw when they feel misunderstood. They are honest and loyal, and make good friends who keep a secret. In love they are romantic and gentle, and they need a partner who is kind, reassuring and patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geb and Bastet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red carmine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Witty, Powerful will and Impatient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of Pharaoh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A man falcon headed man</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horus is the vengeful bird god. Son of Isis and Osiris, he fought his uncle Seth for eighty years to avenge his father and win back the throne of Egypt. He lost an eye in the struggle, and the healed Eye of Horus became a charm of protection. Every pharaoh ruled as the living Horus. He is shown as a falcon or a man with the head of a falcon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horus people are people who have very strong will and are determined to reach their goals whatever the cost. They are courageous and ambitious, and they like to be at the centre of affairs. Witty and quick with words, they make good company and generous hosts. They are natural leaders who take responsibility and protect those who rely on them. Their impatience can make them hasty, and they may become bossy when others are slow. They hate to lose and seldom admit defeat. In love they are loyal and warm, and they need a partner who admires them but stands firm and keeps them grounded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osiris and Thoth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active, Confident, Respectable and Outspoken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goddess of Motherhood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A woman wearing the hieroglyph on her head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The supreme messenger of life, Isis is always on the search for what has been lost. She gathered the scattered body of her husband Osiris and raised her son Horus in hiding. Great in magic and healing, she was loved as the mother of all. She wears the throne hieroglyph on her head and spreads her wings to protect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isis people are known to be very hospitable. They are active and confident, and they speak their mind with frankness. They are respected for their energy and their sense of justice, and they protect those they love fiercely. Their outspoken manner can at times hurt others without meaning to. In love they are romantic and devoted, and they seek a partner who values family as much as they do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amon-Ra and Thoth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ironic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Creator goddess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vulture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A woman with the wings of a vulture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mut is one of the age old goddess of the Egyptian community. Her name means &apos;mother&apos;, and she was honoured as the creator who gave birth to the world. As the wife of Amon-Ra at Thebes she protected the king and the land. She is shown as a woman wearing the wings of a vulture or the double crown of Egypt, and her great temple stood beside Karnak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mut people are basically inclined towards the melancholy of life. They feel deeply and notice the sadness that others pass by, which makes them wise and caring companions. They have a strong sense of duty and make devoted parents and reliable friends. Their humour is dry and ironic, and they often use it to hide their true feelings. They are practical and organised, and they do well in work that needs patience and care for details. At times they can be moody, secretive and slow to forgive old hurts. In love they are generous and protective, and once they trust someone they stay faithful. They need a partner who is cheerful and patient with their moods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amon-Ra and Seth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peace loving, Practical and Logical minded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goddess of who saved the Nile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A woman with antelope horns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is known by all of us that the river Nile is the source of life in Egypt. Its yearly flood was honoured as the gift of Hapi, who was shown as a plump man bearing food, and of Anuket, the goddess of the cataracts who wore a crown of antelope horns. She nourished the fields and the people on its banks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nile people are generally famous as being peace lovers and makers. They dislike conflict and will go a very long way to calm a quarrel between friends. Practical and logical minded, they think before they act and rarely make hasty choices. They are passionate underneath their calm, and once they give their heart they are loyal for life. They can be shy with strangers and sometimes hide their feelings too well, so others may think them distant. In love they seek a partner who shares their wish for a quiet and harmonious home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isis and Thoth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Personality and Indecisive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of after life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mummy like green skinned man</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>According to the Egyptians, Osiris came into existence during the period of creation as the first king of Egypt. Slain by his jealous brother Seth and brought back by Isis, he became lord of the afterlife and judge of the dead. He is shown as a green skinned mummy holding a crook and flail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osiris people are generally double personality people. One side is strong, bold and full of energy, while the other is vulnerable and gentle. They are independent and love a challenge, yet they often hesitate when a decision has to be made. In love they are passionate and generous, and need a partner who is patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent, Observant and Authoritative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goddess of War</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lion headed woman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sekhmet is known to be the symbol of the &apos;good order,&apos; and she guarded it fiercely. A lioness goddess of war, her breath was the hot desert wind. Ra sent her to punish mankind, and she was only stopped when she drank beer dyed red like blood. She also held the power to send plague and to cure it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sekhmet people can be extremes. They are either calm or fierce, with little in between. Intelligent and observant, they notice every detail and judge situations quickly. They are authoritative and make natural leaders, and they are admired for their honesty. They work hard and expect the same from others, which can make them seem strict. They are quick to anger, but just as quick to forgive. In love they are passionate and protective, and they need a partner who is strong and honest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geb and The Nile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irrational and Perfectionist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of Evil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legendary &apos;Seth&apos; animal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sometimes seen as a pig or a hippopotamus, a man with a donkey head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of solitude is Seth as per the Egyptian religion. Lord of the desert, storms and foreign lands, he murdered his brother Osiris and fought Horus for the throne. Yet he also stood at the prow of the boat of Ra, spearing the serpent Apophis at night. He is shown with the head of a strange beast with a long snout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Seth people always seek changes in life. They get bored with routine and love to try new places, ideas and challenges. They are perfectionists who set high standards for themselves and others, and they work hard to meet them. Their moods can be irrational and sudden, and they may act on impulse and regret it later. They are charming and communicative, and can talk their way through almost any situation. They dislike being told what to do and need freedom to grow and learn. In love they are passionate and full of surprises, and they need a partner who is patient, understanding and ready for a new adventure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isis and Bastet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind, Enthusiastic and Brave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The god of Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baboon and Ibis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A baboon or an ibis headed man</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thoth the bird-god is quite modest. With the head of an ibis, or in the shape of a baboon, he is the god of wisdom, writing and the moon. He invented the hieroglyphs, kept the records of the gods and weighed the hearts of the dead beside Anubis. Scribes prayed to him before starting work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thoth people are basically innocent type and have a very good memory and a curious mind. They love to learn and are always ready to help others with their knowledge. Kind and enthusiastic, they bring energy to everything they do and cheer the people around them. They are brave when a friend needs them and do not shy away from a fair contest. They are inventive and good at solving problems, and often shine in writing, teaching or science. Their weakness is a tendency to trust too easily and to take on too many tasks at once. In relationships they are romantic and faithful, and they need a partner who shares their love of ideas and who can keep pace with their lively spirit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Composer</name>
    <message>
        <source>Ruling Deity :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sacred Animal :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatible Signs :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Color for Male :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Color for Female :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity :-</source>
        <extracomment>Masculine or feminine, as the sign&apos;s nature (yang or yin), not grammar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding Zodiac Sign :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description of God/ Goddess :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristics of people under this Sign :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Egyptian Astrology Sign is :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Egyptian Astrology Sign is :-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Scarabine is a freeware that finds your compatibility with your partner on the basis of Egyptian astrology. Egyptian zodiac is based on the Gods / Goddesses of Egypt who are looked upto with great reverence. All rights to this software belong to Orlenda Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit www.orlenda.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Your Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sign report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner&apos;s sign report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian Astrology Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian Astrology Compatibility Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Egyptian Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Egyptian Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <source>Orlenda Softwares, such as this can be created and maintained only with your support. Please support the Orlenda Discussion Board by visiting it regularly and taking part in its discussions. Every visit keeps this program free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit the Orlenda Discussion Board regularly and take part in its discussions. Programs like this one cannot be maintained without such visits, so every visit you make keeps them alive and free of charge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board is a free online discussion forum. Please visit it regularly: your visits help us to maintain this program and keep it free to all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board needs your help. Visiting it regularly and taking part in its discussions helps us maintain it and develop more Orlenda Softwares for you and all who use them. Thanks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other programs made by Orlenda Softwares. Astrology, numerology, love calculators, name meanings, greeting tools and many more utilities are waiting for you, all of them free to download and use at home or at work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every program is small, quick to install and easy to use. Visit our web site today, download the programs you like and share them with your friends and family. Come back often: new titles and updates are added to our web site every month, and each of them is free of charge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes! Take me to the Orlenda Discussion Board now, I want to support it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Orlenda Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Orlenda Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the refer-a-friend page with these details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date O Birth :-</source>
        <extracomment>&quot;Date of birth&quot;, in the window&apos;s old-fashioned spelling.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters and blanks only; letters appear in capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Egyptian Astrology Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Fill in Your Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know your Egyptian Astrology Sign. Get your compatibility with your partner on the basis of Egyptian Astrology! Just enter your birth details and you are all set to go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My &amp;Egyptian Astrology Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows both signs and your compatibility in the report window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameKeyFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box is given anything but a letter, a blank, Enter or Backspace.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Placeholder</name>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Orlenda Discussion Board. Best Resource For Everything Orlenda. Visit our discussion board at www.orlenda.com!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Which way the language is written: &quot;LTR&quot; (left to right) or &quot;RTL&quot; (right to left).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1&apos;s Characteristics</source>
        <extracomment>A tab&apos;s caption: %1 is a person&apos;s name as typed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed: printing is not installed.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date Of Birth !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth Of Your Partner !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You both are very highly compatible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You both are not very compatible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
